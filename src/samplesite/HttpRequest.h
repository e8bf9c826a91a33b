#pragma once
// One request as the loopback HTTP server received it.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace lumvane {

struct HttpHeader {
  QByteArray name;
  QByteArray value;
};
using HttpHeaders = QList<HttpHeader>;

// Value of the first header called `name` (compared without regard to case),
// or a null array.
QByteArray FindHeader(const HttpHeaders& headers, QByteArrayView name);

struct HttpRequest {
  QByteArray method;
  QByteArray target;    // path with query, as sent
  QByteArray version;   // "HTTP/1.1"
  HttpHeaders headers;  // in the order received
  QByteArray body;
  QByteArray host;  // the Host header

  QByteArray Header(QByteArrayView name) const { return FindHeader(headers, name); }
  // The target without its query.
  QByteArray Path() const;
};

}  // namespace lumvane
