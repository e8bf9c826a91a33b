#include "support/SiteSession.h"

namespace lumvane {
SiteSession::SiteSession(const SampleSiteOptions& options) : site(BuildSampleSiteContent(options)) {
  site.Start();
  session = std::make_unique<TestSession>(site.ConnectToMappings());
}

void SiteSession::RecordFetches(RecordingPageFetcher::AfterFetch after) {
  PageFetcherFactory real = session->app.fetchers;
  session->app.fetchers = [real, log = log_, after] {
    return std::make_unique<RecordingPageFetcher>(real(), log, after);
  };
}

}  // namespace lumvane
