#include "support/SiteSession.h"

namespace lumvane {
namespace {

QStringList ConnectTo(const SampleSite& site) {
  QStringList mappings;
  for (const QByteArray& host : SampleSite::HostNames()) {
    mappings.append(QString::fromLatin1(host) + u":80:127.0.0.1:" + QString::number(site.Port()));
  }
  return mappings;
}

}  // namespace

SiteSession::SiteSession(const SampleSiteOptions& options) : site(BuildSampleSiteContent(options)) {
  site.Start();
  session = std::make_unique<TestSession>(ConnectTo(site));
}

void SiteSession::RecordFetches(RecordingPageFetcher::AfterFetch after) {
  PageFetcherFactory real = session->app.fetchers;
  session->app.fetchers = [real, log = log_, after] {
    return std::make_unique<RecordingPageFetcher>(real(), log, after);
  };
}

}  // namespace lumvane
