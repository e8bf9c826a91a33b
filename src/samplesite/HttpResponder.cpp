#include "samplesite/HttpResponder.h"

#include <array>

namespace lumvane {
namespace {

QByteArrayView ReasonPhrase(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 204:
      return "No Content";
    case 206:
      return "Partial Content";
    case 301:
      return "Moved Permanently";
    case 302:
      return "Found";
    case 303:
      return "See Other";
    case 304:
      return "Not Modified";
    case 307:
      return "Temporary Redirect";
    case 308:
      return "Permanent Redirect";
    case 400:
      return "Bad Request";
    case 403:
      return "Forbidden";
    case 404:
      return "Not Found";
    case 413:
      return "Content Too Large";
    case 500:
      return "Internal Server Error";
    case 501:
      return "Not Implemented";
    case 503:
      return "Service Unavailable";
    default:
      return "Status";
  }
}

}  // namespace

HttpResponder::HttpResponder(LoopbackSocket& socket, const StopSignal& stop, bool headRequest, bool keepAlive)
    : socket_(socket), stop_(stop), headRequest_(headRequest), keepAlive_(keepAlive) {}

bool HttpResponder::Send(int status, const HttpHeaders& headers, const HttpBody& body) {
  static const QByteArray kNoBody;
  const QByteArray& bytes = body ? *body : kNoBody;
  QByteArray head;
  head.reserve(256);
  head += "HTTP/1.1 " + QByteArray::number(status) + ' ' + ReasonPhrase(status) + "\r\n";
  for (const HttpHeader& header : headers) head += header.name + ": " + header.value + "\r\n";
  if (FindHeader(headers, "Content-Length").isNull()) {
    head += "Content-Length: " + QByteArray::number(bytes.size()) + "\r\n";
  }
  if (!keepAlive_) head += "Connection: close\r\n";
  head += "\r\n";
  answered_ = true;
  const std::array<QByteArrayView, 2> pieces{head, headRequest_ ? QByteArrayView() : QByteArrayView(bytes)};
  return Write(pieces, head.size() + pieces[1].size());
}

bool HttpResponder::Send(int status, const HttpHeaders& headers, QByteArray body) {
  return Send(status, headers, std::make_shared<const QByteArray>(std::move(body)));
}

bool HttpResponder::WriteRaw(QByteArrayView bytes) {
  answered_ = true;
  raw_ = true;
  return Write(std::span<const QByteArrayView>(&bytes, 1), bytes.size());
}

bool HttpResponder::Write(std::span<const QByteArrayView> pieces, qint64 size) {
  if (gone_) return false;
  if (!socket_.SendAll(pieces)) {
    gone_ = true;
    return false;
  }
  bytesWritten_ += size;
  return true;
}

bool HttpResponder::Sleep(int ms) { return !stop_.WaitFor(ms); }

bool HttpResponder::Hold() {
  raw_ = true;
  if (!socket_.IsOpen()) return false;
  // Whatever the client sends meanwhile is dropped: this connection ends
  // after the hold anyway.
  char scratch[4096];
  while (!stop_.IsSet()) {
    if (!socket_.WaitReadable(-1)) continue;
    if (socket_.Receive(scratch, sizeof scratch) > 0) continue;
    if (stop_.IsSet()) break;  // Stop() shut the socket down
    gone_ = true;
    return true;
  }
  return false;
}

void HttpResponder::Close() {
  raw_ = true;
  socket_.Close();
}

void HttpResponder::Reset() {
  raw_ = true;
  socket_.Reset();
}

bool HttpResponder::ClientGone() {
  if (!gone_ && socket_.IsOpen() && socket_.PeerClosed()) gone_ = true;
  return gone_;
}

}  // namespace lumvane
