#pragma once
// Pages for the site readers over the program's HTTP client: fresh from the
// server, gzip asked for and inflated, 20 s time-outs, one attempt.

#include "web/PageFetcher.h"
#include "web/UrlRequest.h"
#include "web/UrlSource.h"

namespace lumvane {

class UrlPageFetcher : public PageFetcher {
 public:
  explicit UrlPageFetcher(HttpSession& session);

  bool FetchText(const QString& url, QString& text) override;
  void SetMarkers(const QByteArray& startMarker, const QByteArray& endMarker) override;

 private:
  UrlSource source_;
  UrlRequest request_;
};

}  // namespace lumvane
