#include "web/UrlPageFetcher.h"

namespace lumvane {
namespace {
constexpr quint32 kPageTimeoutMs = 20000;
}  // namespace

UrlPageFetcher::UrlPageFetcher(HttpSession& session) : source_(session), request_({}, {}, kPageTimeoutMs) {
  request_.headers = QStringLiteral("Accept-Encoding: gzip, deflate");
}

bool UrlPageFetcher::FetchText(const QString& url, QString& text) {
  request_.url = url;
  text.clear();
  if (!source_.Get(request_, kPageRequestFlags)) return false;
  source_.GetText(text, kPageTextMode);
  return true;
}

void UrlPageFetcher::SetMarkers(const QByteArray& startMarker, const QByteArray& endMarker) {
  request_.startMarker = startMarker;
  request_.endMarker = endMarker;
}

}  // namespace lumvane
