#pragma once
// The program's HTTP client. One object per task and thread: a page reader
// or a download worker fills a UrlRequest, calls Get, and reads the body
// (GetText) or finds it saved in the request's outFile. Calls block the
// calling thread; every wait is bounded by the request's time-outs.

#include <QByteArray>
#include <QString>
#include <memory>

#include "web/BodyCharset.h"
#include "web/HttpSession.h"
#include "web/RequestFlags.h"
#include "web/UrlRequest.h"

namespace lumvane {

class CurlTransfer;

class UrlSource {
 public:
  explicit UrlSource(HttpSession& session);
  ~UrlSource();
  UrlSource(const UrlSource&) = delete;
  UrlSource& operator=(const UrlSource&) = delete;

  // One attempt (RequestFlag bits in `flags`).
  bool Request(const UrlRequest& request, unsigned flags);
  // Up to retryCount attempts, with a pause of retryDelaySec after every
  // failed one, and the content checks: the body must be longer than
  // minBodyLength and hold requiredText (for pages the body as kept, and
  // inflated when REQ_CACHE_WRITE is set and the response is gzip; for
  // outFile requests the bytes as received, checked before the file is put
  // in place).
  bool Get(const UrlRequest& request, unsigned flags);
  // The body as text (TextMode bits in `mode`); never fails.
  void GetText(QString& text, unsigned mode) const;

  // Of the last request.
  QByteArray responseHeaders;  // of the final response, as received (CR LF lines)
  QByteArray body;             // page bodies, after the marker cuts; empty for outFile requests
  QByteArray startMarker;
  QByteArray endMarker;
  bool gzip = false;          // the response headers hold "gzip"
  qint64 receivedLength = 0;  // body bytes as they arrived, also when saved to a file

 private:
  bool Attempt(const UrlRequest& request, unsigned flags, bool checkContent);
  bool PassesContentChecks(const UrlRequest& request, unsigned flags) const;

  HttpSession& session_;
  const std::unique_ptr<CurlTransfer> transfer_;
};

}  // namespace lumvane
