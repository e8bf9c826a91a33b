#pragma once
// Value of one hexadecimal digit, either case.

#include <QChar>

namespace lumvane {

// 0 to 15, or -1 for a character that is not a hexadecimal digit.
constexpr int HexDigitValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  return -1;
}

}  // namespace lumvane
