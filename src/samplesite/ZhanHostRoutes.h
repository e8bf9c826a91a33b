#pragma once
// Which page of the Zhan host a request asks for.

#include <optional>

#include "samplesite/RequestTarget.h"
#include "samplesite/SampleSiteContent.h"
#include "samplesite/SitePage.h"

namespace lumvane {

std::optional<SitePage> RouteZhanHost(const SampleSiteContent& content, const RequestTarget& target);

}  // namespace lumvane
