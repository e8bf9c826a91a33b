#pragma once
// Which page a request asks for, by its host and target.

#include <optional>

#include "samplesite/RequestTarget.h"
#include "samplesite/SampleSiteContent.h"
#include "samplesite/SitePage.h"

namespace lumvane {

// nullopt when the host does not serve that target.
std::optional<SitePage> RoutePage(const SampleSiteContent& content, QByteArrayView host, const RequestTarget& target);

}  // namespace lumvane
