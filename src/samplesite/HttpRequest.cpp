#include "samplesite/HttpRequest.h"

namespace lumvane {

QByteArray FindHeader(const HttpHeaders& headers, QByteArrayView name) {
  for (const HttpHeader& header : headers) {
    if (header.name.compare(name, Qt::CaseInsensitive) == 0) return header.value;
  }
  return {};
}

QByteArray HttpRequest::Path() const {
  const qsizetype query = target.indexOf('?');
  return query < 0 ? target : target.left(query);
}

}  // namespace lumvane
