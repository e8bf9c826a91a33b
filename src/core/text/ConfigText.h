#pragma once
// Small helpers of the start-up configuration request.

#include <QString>

namespace lumvane {

// "0001 1111" style base-2 text to upper-case hexadecimal, 4 digits a group.
QString BitsToHex(const QString& bits);
// Hexadecimal text to base-2 text, 4 digits per hexadecimal digit.
QString HexToBits(const QString& hex);
// A random number in [0, 1] formatted with "%0.16f\n".
QString RandomText();

}  // namespace lumvane
