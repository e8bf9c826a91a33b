#include "web/ResponseReceiver.h"

#include <limits>

#include "web/BodyMarkers.h"

namespace lumvane {
namespace {

constexpr qsizetype kMaxPageBody = qsizetype(64) << 20;
constexpr qsizetype kMaxReserve = qsizetype(8) << 20;

int ParseStatus(QByteArrayView statusLine) {
  // "HTTP/1.1 200 OK"
  const qsizetype space = statusLine.indexOf(' ');
  if (space < 0) return 0;
  int status = 0;
  for (qsizetype i = space + 1; i < statusLine.size() && statusLine[i] >= '0' && statusLine[i] <= '9'; ++i) {
    status = status * 10 + (statusLine[i] - '0');
    if (status > 999) return 0;
  }
  return status;
}

// The decimal number after the first "Content-Length:", or -1 without one.
qint64 AnnouncedLength(const QByteArray& headers) {
  constexpr QByteArrayView kName = "Content-Length:";
  qsizetype at = headers.indexOf(kName);
  if (at < 0) return -1;
  at += kName.size();
  while (at < headers.size() && (headers[at] == ' ' || headers[at] == '\t')) ++at;
  qint64 length = 0;
  for (; at < headers.size() && headers[at] >= '0' && headers[at] <= '9'; ++at) {
    const int digit = headers[at] - '0';
    if (length > (std::numeric_limits<qint64>::max() - digit) / 10) return std::numeric_limits<qint64>::max();
    length = length * 10 + digit;
  }
  return length;
}

bool HasName(QByteArrayView line, QByteArrayView name) {
  return line.size() >= name.size() && line.first(name.size()).compare(name, Qt::CaseInsensitive) == 0;
}

bool OutsideLimits(quint64 size, quint64 minBytes, quint64 maxBytes) {
  return size < minBytes || (maxBytes != 0 && size > maxBytes);
}

}  // namespace

ResponseReceiver::ResponseReceiver(const UrlRequest& request, bool checkContent)
    : request_(request),
      checkContent_(checkContent),
      minBytes_(quint64(request.minSizeKB) * 1024),
      maxBytes_(quint64(request.maxSizeKB) * 1024) {}

HeaderEvent ResponseReceiver::OnHeaderLine(QByteArrayView line) {
  if (line.startsWith("HTTP/")) {
    hopHeaders_ = line.toByteArray();
    hopStatus_ = ParseStatus(line);
    hopHasLocation_ = false;
    return HeaderEvent::Line;
  }
  hopHeaders_ += line;
  if (HasName(line, "Set-Cookie:")) setCookie = true;
  if (HasName(line, "Location:")) hopHasLocation_ = true;
  if (line != "\r\n" && line != "\n") return HeaderEvent::Line;

  if (hopStatus_ < 200) return HeaderEvent::InterimEnd;
  responseHeaders = hopHeaders_;
  gzip = responseHeaders.contains("gzip");
  // Every 3xx with a Location is followed; should it not be, the transfer
  // fails anyway.
  if (hopStatus_ < 400 && hopStatus_ >= 300 && hopHasLocation_) return HeaderEvent::RedirectEnd;
  return StartBody() ? HeaderEvent::FinalEnd : HeaderEvent::Fail;
}

bool ResponseReceiver::StartBody() {
  const qint64 announced = AnnouncedLength(responseHeaders);
  if (announced >= 0 && OutsideLimits(quint64(announced), minBytes_, maxBytes_)) return false;
  if (request_.outFile.isEmpty()) {
    if (announced > 0) body.reserve(std::min<qint64>(announced, kMaxReserve));
    return true;
  }
  // An error page is no picture.
  if (hopStatus_ < 200 || hopStatus_ >= 300) return false;
  file_ = std::make_unique<AtomicFile>(request_.outFile);
  return file_->Open();
}

BodyEvent ResponseReceiver::OnBodyData(QByteArrayView data) {
  receivedLength += data.size();
  return file_ ? TakeFileData(data) : TakePageData(data);
}

BodyEvent ResponseReceiver::TakePageData(QByteArrayView data) {
  const qsizetype known = body.size();
  body.append(data);
  if (!gzip) {
    // Only the new bytes and a marker's length before them can hold a new
    // occurrence.
    const bool dropped =
        DropThroughStartMarker(body, request_.startMarker, qMax<qsizetype>(0, known - request_.startMarker.size() + 1));
    const qsizetype endFrom = dropped ? 0 : qMax<qsizetype>(0, known - request_.endMarker.size() + 1);
    if (CutAtEndMarker(body, request_.endMarker, endFrom)) return BodyEvent::Done;
  }
  if (maxBytes_ != 0 && quint64(body.size()) > maxBytes_) return BodyEvent::Fail;
  return body.size() > kMaxPageBody ? BodyEvent::Fail : BodyEvent::More;
}

BodyEvent ResponseReceiver::TakeFileData(QByteArrayView data) {
  if (!file_->Write(data)) return BodyEvent::Fail;
  if (maxBytes_ != 0 && quint64(receivedLength) > maxBytes_) return BodyEvent::Fail;
  if (checkContent_) SearchRequiredText(data);
  return BodyEvent::More;
}

void ResponseReceiver::SearchRequiredText(QByteArrayView data) {
  const QByteArrayView required = request_.requiredText;
  if (required.isEmpty() || requiredFound_) return;
  const qsizetype keep = required.size() - 1;
  const QByteArray seam = requiredTail_ + data.first(std::min(data.size(), keep));
  requiredFound_ = seam.contains(required) || data.contains(required);
  requiredTail_ += data.last(std::min(data.size(), keep));
  requiredTail_ = requiredTail_.right(keep);
}

bool ResponseReceiver::Finish() {
  if (!file_) return request_.outFile.isEmpty() && !OutsideLimits(quint64(body.size()), minBytes_, maxBytes_);
  const bool good = !OutsideLimits(quint64(receivedLength), minBytes_, maxBytes_) &&
                    (!checkContent_ || (quint64(receivedLength) > request_.minBodyLength &&
                                        (request_.requiredText.isEmpty() || requiredFound_)));
  const bool placed = good && file_->Commit();
  file_.reset();
  return placed;
}

}  // namespace lumvane
