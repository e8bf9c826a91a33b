#include "samplesite/PageEncoding.h"

#include <QStringEncoder>

#include "samplesite/Gzip.h"

namespace lumvane {
namespace {

QByteArrayView CharsetLabel(PageCharset charset) {
  switch (charset) {
    case PageCharset::Gbk:
      return "GBK";
    case PageCharset::Utf8LabelledGbk:
      return "gbk";
    case PageCharset::Utf8:
      break;
  }
  return "utf-8";
}

// GBK bytes for Gbk pages, UTF-8 for the others (also under a "gbk" label).
QByteArray PageBytes(const QString& text, PageCharset charset) {
  if (charset != PageCharset::Gbk) return text.toUtf8();
  QStringEncoder encoder("GBK");
  return encoder.encode(text);
}

}  // namespace

HttpBody EncodePage(const SitePage& page, bool clientAcceptsGzip, HttpHeaders& headers) {
  headers.append(HttpHeader{"Content-Type", page.mimeType + "; charset=" + CharsetLabel(page.style.charset)});
  QByteArray bytes = PageBytes(page.text, page.style.charset);
  if (page.style.gzip && clientAcceptsGzip) {
    bytes = GzipCompress(bytes);
    headers.append(HttpHeader{"Content-Encoding", "gzip"});
  }
  return std::make_shared<const QByteArray>(std::move(bytes));
}

bool AcceptsGzip(QByteArrayView acceptEncoding) {
  for (const QByteArray& coding : acceptEncoding.toByteArray().split(',')) {
    const QList<QByteArray> parts = coding.split(';');
    const QByteArray name = parts.first().trimmed().toLower();
    if (name != "gzip" && name != "x-gzip") continue;
    // "gzip;q=0" refuses it.
    bool refused = false;
    for (qsizetype i = 1; i < parts.size(); ++i) {
      const QByteArray parameter = parts[i].trimmed().toLower();
      if (parameter.startsWith("q=") && parameter.sliced(2).toDouble() <= 0) refused = true;
    }
    if (!refused) return true;
  }
  return false;
}

}  // namespace lumvane
