#pragma once
// The three jobs of lumvane-cli. Each returns the exit status.

#include "cli/CliOptions.h"

namespace lumvane {

int RunList(const CliOptions& options);
int RunDownload(const CliOptions& options);
int RunDemo(const CliOptions& options);

}  // namespace lumvane
