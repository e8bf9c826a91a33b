#include "web/BodyCharset.h"

#include "text/CodePage.h"

namespace lumvane {

QString DecodeBodyCharset(QByteArray bytes, QByteArrayView responseHeaders, unsigned mode) {
  if (responseHeaders.contains("charset=GBK")) {
    if (!(mode & TEXT_GBK_ZEROS)) return FromAnsi(bytes);
    bytes.replace('\0', '\x7F');
    QString text = FromAnsi(bytes);
    text.remove(QChar(0x7F));
    return text;
  }
  if (mode & TEXT_UTF8) return FromCodePage(bytes, CP_UTF8);
  if (mode & TEXT_EUC_KR) return FromCodePage(bytes, CP_EUC_KR);
  if (mode & TEXT_BIG5) return FromCodePage(bytes, CP_BIG5);
  if ((mode & TEXT_AUTO) && IsUtf8(bytes.constData(), bytes.size()) == 1) return FromCodePage(bytes, CP_UTF8);
  return FromAnsi(bytes);
}

}  // namespace lumvane
