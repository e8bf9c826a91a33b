#pragma once
// Small helpers of the start-up configuration request.

#include <QString>

namespace lumvane {

// Base-2 digit text ("00011111") to upper-case hexadecimal, one digit for
// every group of four.
QString BitsToHex(const QString& bits);
// Hexadecimal text to base-2 text, 4 digits per hexadecimal digit.
QString HexToBits(const QString& hex);
// A random number in [0, 1] formatted with "%0.16f\n" (a cache buster).
QString RandomText();

}  // namespace lumvane
