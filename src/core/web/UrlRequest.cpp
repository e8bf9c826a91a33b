#include "web/UrlRequest.h"

namespace lumvane {

namespace {
constexpr quint32 kResetTimeoutMs = 20000;
}

UrlRequest::UrlRequest(QString url, QString outFile, quint32 timeoutMs)
    : url(std::move(url)), outFile(std::move(outFile)), readTimeoutMs(timeoutMs), connectTimeoutMs(timeoutMs) {}

void UrlRequest::Reset() {
  url.clear();
  headers.clear();
  startMarker.clear();
  endMarker.clear();
  outFile.clear();
  verb = QStringLiteral("GET");
  readTimeoutMs = kResetTimeoutMs;
  connectTimeoutMs = kResetTimeoutMs;
  postData = QByteArray();
  minSizeKB = 0;
  maxSizeKB = 0;
}

}  // namespace lumvane
