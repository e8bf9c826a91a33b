#include "samplesite/SiteText.h"

namespace lumvane {

QString JsonText(const QString& text) {
  QString out;
  out.reserve(text.size() + text.size() / 2);
  for (QChar c : text) {
    const char16_t unit = c.unicode();
    if (unit == u'"' || unit == u'\\' || unit == u'/') {
      out += u'\\';
      out += c;
    } else if (unit < 0x20 || unit > 0x7E) {
      out += u"\\u" + QString::number(unit, 16).rightJustified(4, u'0');
    } else {
      out += c;
    }
  }
  return out;
}

QString HtmlText(const QString& text) {
  QString out = text;
  out.replace(u'&', QStringLiteral("&amp;"));
  out.replace(u'<', QStringLiteral("&lt;"));
  out.replace(u'>', QStringLiteral("&gt;"));
  out.replace(u'"', QStringLiteral("&quot;"));
  return out;
}

QString HtmlDocument(const QString& title, PageCharset charset, const QString& body) {
  const QString label = charset == PageCharset::Utf8 ? QStringLiteral("utf-8") : QStringLiteral("gbk");
  return u"<!DOCTYPE html>\n<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" + label +
         u"\">\n<title>" + title + u"</title>\n</head>\n<body>\n" + body + u"\n</body>\n</html>\n";
}

}  // namespace lumvane
