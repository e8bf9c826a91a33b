#pragma once
// The start-up configuration reply, plain UTF-8 text in three lines:
//
//   LUMVANE-CONFIG 1
//   fields=<newest version>|<update page address>
//   sources=<source name 0>|<source name 1>|...
//
// Fields and source names are separated by "|"; a line break inside a field
// would be written as a backslash followed by a line break.

#include "samplesite/SampleSiteContent.h"
#include "samplesite/SitePage.h"

namespace lumvane {

SitePage StartupConfigPage(const StartupConfig& config);
// The page the update address leads to.
SitePage UpdatePage(const StartupConfig& config);

}  // namespace lumvane
