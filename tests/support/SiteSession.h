#pragma once
// The sample site on a loopback port and a test session whose HTTP client
// sends the site's real host names there.

#include <memory>

#include "samplesite/SampleContentBuilder.h"
#include "samplesite/SampleSite.h"
#include "support/RecordingPageFetcher.h"
#include "support/TestSession.h"

namespace lumvane {

class SiteSession {
 public:
  explicit SiteSession(const SampleSiteOptions& options = {});

  // Every page the readers fetch from now on is logged; `after` runs after
  // each fetch.
  void RecordFetches(RecordingPageFetcher::AfterFetch after = {});
  QStringList FetchedUrls() const { return log_->Urls(); }

  SampleSite site;
  std::unique_ptr<TestSession> session;

 private:
  std::shared_ptr<FetchLog> log_ = std::make_shared<FetchLog>();
};

}  // namespace lumvane
