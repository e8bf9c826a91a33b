#include "SettingsImage.h"

namespace lumvane::tests {

void PutU16(QByteArray& image, int offset, quint16 value) {
  image[offset] = static_cast<char>(value & 0xFF);
  image[offset + 1] = static_cast<char>(value >> 8);
}

quint16 GetU16(const QByteArray& image, int offset) {
  return static_cast<quint16>(static_cast<quint8>(image[offset]) | static_cast<quint8>(image[offset + 1]) << 8);
}

void PutText(QByteArray& image, int offset, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) PutU16(image, offset + 2 * int(i), text[i].unicode());
  PutU16(image, offset + 2 * int(text.size()), 0);
}

QByteArray FirstRunImage() {
  QByteArray image(kImageSize, '\0');
  for (int kind = 0; kind < 24; ++kind) {
    PutU16(image, ParamsAt(kind) + 4, 5);
    PutU16(image, ParamsAt(kind) + 6, 30);
    PutU16(image, RuleAt(kind) + 480, 0x10);
  }
  PutU16(image, RuleAt(7) + 480, 0x92);
  PutU16(image, RuleAt(11) + 480, 0x12);
  PutU16(image, RuleAt(16) + 480, 0x12);
  image[RuleAt(8) + 482] = 1;
  PutText(image, RuleAt(17), QStringLiteral("?2) "));
  return image;
}

}  // namespace lumvane::tests
