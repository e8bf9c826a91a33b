#pragma once
// Colours of the grid as 0x00BBGGRR words, the form the table's stored
// colour values have always used; the window converts them when it paints.

#include <QtGlobal>

namespace lumvane {

using GridColor = quint32;

// "Use the default cell's colour".
constexpr GridColor CLR_DEFAULT = 0xFF000000u;

constexpr GridColor RgbColor(int red, int green, int blue) {
  return static_cast<GridColor>(red & 0xFF) | static_cast<GridColor>(green & 0xFF) << 8 |
         static_cast<GridColor>(blue & 0xFF) << 16;
}

// The desktop colours the grid starts from; the window passes the theme's.
struct GridSystemColors {
  GridColor windowText = RgbColor(0, 0, 0);
  GridColor window = RgbColor(255, 255, 255);
  GridColor face3d = RgbColor(240, 240, 240);
  GridColor shadow3d = RgbColor(160, 160, 160);
  GridColor highlight = RgbColor(0, 120, 215);
  GridColor highlightText = RgbColor(255, 255, 255);
};

}  // namespace lumvane
