#include "text/CodePage.h"

#include <QtEndian>

#include <QStringDecoder>
#include <QStringEncoder>

namespace lumvane {
namespace {

// Qt's converter names of the code pages the program reads.
const char* ConverterName(int codePage) {
  switch (codePage) {
    case CP_GBK:
      return "GBK";
    case CP_BIG5:
      return "Big5";
    case CP_EUC_KR:
      return "EUC-KR";
    case CP_UTF8:
      return "UTF-8";
    default:
      return nullptr;
  }
}

// Number of continuation bytes a lead byte announces; 0 for a byte that
// cannot start a sequence.
int ContinuationCount(unsigned char lead) {
  if (lead < 0xC0) return 0;
  if (lead < 0xE0) return 1;
  if (lead < 0xF0) return 2;
  if (lead < 0xF8) return 3;
  if (lead < 0xFC) return 4;
  if (lead < 0xFE) return 5;
  return 4;
}

}  // namespace

QByteArray ToGbk(const QString& text) {
  QStringEncoder encoder(ConverterName(CP_GBK), QStringConverter::Flag::Stateless);
  return encoder.encode(text);
}

QString FromCodePage(QByteArrayView bytes, int codePage) {
  const char* name = ConverterName(codePage);
  if (name == nullptr) return {};
  // Stateless: a sequence cut off at the end becomes a replacement character
  // instead of being held back for a next call that never comes.
  QStringDecoder decoder(name, QStringConverter::Flag::Stateless);
  if (!decoder.isValid()) return {};
  QString text = decoder.decode(bytes);
  const qsizetype nul = text.indexOf(QChar(u'\0'));
  if (nul >= 0) text.truncate(nul);
  return text;
}

QString FromAnsi(QByteArrayView bytes) {
  const qsizetype nul = bytes.indexOf('\0');
  return FromCodePage(nul < 0 ? bytes : bytes.first(nul), kAnsiCodePage);
}

int IsUtf8(const char* bytes, qint64 length) {
  if (bytes == nullptr || length <= 0) return 0;
  bool sawNonAscii = false;
  int pending = 0;
  for (qint64 i = 0; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (pending > 0) {
      if ((byte & 0xC0) != 0x80) return 0;
      --pending;
    } else if (byte >= 0x80) {
      pending = ContinuationCount(byte);
      if (pending == 0) return 0;
      sawNonAscii = true;
    }
  }
  return pending == 0 && sawNonAscii ? 1 : 0;
}

QByteArray ToUtf16Le(QStringView text) {
  QByteArray bytes(text.size() * 2, Qt::Uninitialized);
  qToLittleEndian<char16_t>(text.utf16(), text.size(), bytes.data());
  return bytes;
}

}  // namespace lumvane
