#include "samplesite/HttpRequestReader.h"

namespace lumvane {
namespace {

constexpr qsizetype kMaxHeadBytes = 64 * 1024;
constexpr qint64 kMaxBodyBytes = 64 * 1024 * 1024;
constexpr qsizetype kReadStep = 64 * 1024;

bool ParseLength(QByteArrayView text, qint64& length) {
  if (text.isEmpty() || text.size() > 18) return false;
  length = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    length = length * 10 + (c - '0');
  }
  return true;
}

}  // namespace

HttpRequestReader::HttpRequestReader(LoopbackSocket& socket) : socket_(socket) {}

bool HttpRequestReader::Fill() {
  const qsizetype used = buffer_.size();
  buffer_.resize(used + kReadStep);
  const qint64 received = socket_.Receive(buffer_.data() + used, kReadStep);
  buffer_.resize(used + (received > 0 ? received : 0));
  return received > 0;
}

RequestReadResult HttpRequestReader::Next(HttpRequest& request) {
  qsizetype headEnd;
  qsizetype searchFrom = 0;
  while ((headEnd = buffer_.indexOf("\r\n\r\n", searchFrom)) < 0) {
    if (buffer_.size() > kMaxHeadBytes) return RequestReadResult::TooLarge;
    searchFrom = qMax<qsizetype>(0, buffer_.size() - 3);
    if (!Fill()) return RequestReadResult::Closed;
  }
  qint64 bodyLength = 0;
  const RequestReadResult head = ParseHead(headEnd, request, bodyLength);
  if (head != RequestReadResult::Request) return head;
  buffer_.remove(0, headEnd + 4);

  if (bodyLength > 0 && buffer_.size() < bodyLength &&
      request.Header("Expect").compare("100-continue", Qt::CaseInsensitive) == 0 &&
      !socket_.SendAll(QByteArrayView("HTTP/1.1 100 Continue\r\n\r\n"))) {
    return RequestReadResult::Closed;
  }
  while (buffer_.size() < bodyLength) {
    if (!Fill()) return RequestReadResult::Closed;
  }
  request.body = buffer_.left(bodyLength);
  buffer_.remove(0, bodyLength);
  return RequestReadResult::Request;
}

RequestReadResult HttpRequestReader::ParseHead(qsizetype headEnd, HttpRequest& request, qint64& bodyLength) const {
  const QByteArrayView head(buffer_.constData(), headEnd);
  qsizetype lineEnd = head.indexOf("\r\n");
  if (lineEnd < 0) lineEnd = head.size();
  const QList<QByteArray> parts = head.first(lineEnd).toByteArray().split(' ');
  if (parts.size() != 3 || parts[0].isEmpty() || parts[1].isEmpty() || !parts[2].startsWith("HTTP/")) {
    return RequestReadResult::Malformed;
  }
  request = HttpRequest{parts[0], parts[1], parts[2], {}, {}, {}};

  qsizetype lineStart = lineEnd + 2;
  while (lineStart < head.size()) {
    qsizetype next = head.indexOf("\r\n", lineStart);
    if (next < 0) next = head.size();
    const QByteArrayView line = head.sliced(lineStart, next - lineStart);
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0) return RequestReadResult::Malformed;
    request.headers.append({line.first(colon).trimmed().toByteArray(), line.sliced(colon + 1).trimmed().toByteArray()});
    lineStart = next + 2;
  }
  request.host = request.Header("Host");

  if (!request.Header("Transfer-Encoding").isNull()) return RequestReadResult::Unsupported;
  bodyLength = 0;
  bool seenLength = false;
  for (const HttpHeader& header : request.headers) {
    if (header.name.compare("Content-Length", Qt::CaseInsensitive) != 0) continue;
    qint64 length;
    if (!ParseLength(header.value, length) || (seenLength && length != bodyLength)) {
      return RequestReadResult::Malformed;
    }
    bodyLength = length;
    seenLength = true;
  }
  return bodyLength > kMaxBodyBytes ? RequestReadResult::TooLarge : RequestReadResult::Request;
}

}  // namespace lumvane
