#pragma once
// What a site reader needs from the web: one page as text. The program
// fetches through UrlSource; tests may hand in canned or fuzzed pages.

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace lumvane {

class PageFetcher {
 public:
  virtual ~PageFetcher() = default;
  // Fetches `url` fresh from the server and decodes it to text (gzip
  // inflated; UTF-8 unless the headers name GBK). False when the fetch failed.
  virtual bool FetchText(const QString& url, QString& text) = 0;
  // Markers applied to every later fetch: the text keeps what follows the
  // last start marker and ends before the end marker.
  virtual void SetMarkers(const QByteArray& startMarker, const QByteArray& endMarker) = 0;
};

using PageFetcherFactory = std::function<std::unique_ptr<PageFetcher>()>;

}  // namespace lumvane
