#include "text/ConfigText.h"

#include <QRandomGenerator>

#include "text/HexDigit.h"

namespace lumvane {
namespace {

constexpr qsizetype kBitsPerDigit = 4;

// Leading base-2 digits of `group`; reading stops at the first other character.
int ReadBits(QStringView group) {
  int value = 0;
  for (QChar c : group) {
    if (c != u'0' && c != u'1') break;
    value = value * 2 + (c == u'1' ? 1 : 0);
  }
  return value;
}

}  // namespace

QString BitsToHex(const QString& bits) {
  const QString upper = bits.toUpper();
  QString hex;
  hex.reserve(upper.size() / kBitsPerDigit + 1);
  for (qsizetype i = 0; i < upper.size(); i += kBitsPerDigit) {
    hex += QString::number(ReadBits(QStringView(upper).mid(i, kBitsPerDigit)), 16);
  }
  return hex.toUpper();
}

QString HexToBits(const QString& hex) {
  QString bits;
  bits.reserve(hex.size() * kBitsPerDigit);
  for (QChar c : hex.toUpper()) {
    bits += QString::number(qMax(0, HexDigitValue(c)), 2).rightJustified(kBitsPerDigit, u'0');
  }
  return bits;
}

QString RandomText() {
  const quint32 drawn = QRandomGenerator::global()->bounded(32768u);
  return QString::asprintf("%0.16f\n", drawn / 32767.0);
}

}  // namespace lumvane
