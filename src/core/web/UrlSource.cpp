#include "web/UrlSource.h"

#include "text/HtmlText.h"
#include "web/BodyMarkers.h"
#include "web/CurlTransfer.h"
#include "web/Inflate.h"
#include "web/ResponseReceiver.h"

namespace lumvane {

UrlSource::UrlSource(HttpSession& session) : session_(session), transfer_(std::make_unique<CurlTransfer>(session)) {}

UrlSource::~UrlSource() = default;

bool UrlSource::Request(const UrlRequest& request, unsigned flags) { return Attempt(request, flags, false); }

bool UrlSource::Attempt(const UrlRequest& request, unsigned flags, bool checkContent) {
  body.clear();
  responseHeaders.clear();
  receivedLength = 0;
  gzip = false;
  startMarker = request.startMarker;
  endMarker = request.endMarker;

  ResponseReceiver receiver(request, checkContent);
  const bool transferred = transfer_->Run(request, flags, receiver);
  const bool good = transferred && receiver.Finish();
  responseHeaders = std::move(receiver.responseHeaders);
  body = std::move(receiver.body);
  gzip = receiver.gzip;
  receivedLength = receiver.receivedLength;
  if (receiver.setCookie) session_.SaveCookies();
  return good;
}

bool UrlSource::Get(const UrlRequest& request, unsigned flags) {
  for (int attempt = 0; attempt < request.retryCount; ++attempt) {
    if (Attempt(request, flags, true) && PassesContentChecks(request, flags)) return true;
    if (!session_.Pause(quint32(request.retryDelaySec) * 1000)) return false;
  }
  return false;
}

bool UrlSource::PassesContentChecks(const UrlRequest& request, unsigned flags) const {
  // A file body was checked before it was put in place.
  if (!request.outFile.isEmpty() || (request.minBodyLength == 0 && request.requiredText.isEmpty())) return true;
  QByteArray inflated;
  const bool inflate = (flags & REQ_CACHE_WRITE) && gzip;
  if (inflate) Inflate(body, inflated);
  const QByteArray& bytes = inflate ? inflated : body;
  return quint64(bytes.size()) > request.minBodyLength &&
         (request.requiredText.isEmpty() || bytes.contains(request.requiredText));
}

void UrlSource::GetText(QString& text, unsigned mode) const {
  QByteArray bytes;
  if ((mode & TEXT_INFLATE) && gzip) {
    Inflate(body, bytes);  // a broken stream still gives what inflated
  } else {
    bytes = body;
  }
  // The transfer leaves compressed bodies uncut.
  if (gzip) {
    DropThroughStartMarker(bytes, startMarker);
    CutAtEndMarker(bytes, endMarker);
  }
  text = DecodeBodyCharset(std::move(bytes), responseHeaders, mode);
  DecodeEntities(text);
}

}  // namespace lumvane
