#pragma once
// The font of a cell, as a value; the window turns it into a real font.

#include <QString>

namespace lumvane {

struct CellFont {
  QString family;
  int pointSize = 9;
  int weight = 400;  // 400 normal, 700 bold
  bool italic = false;

  friend bool operator==(const CellFont&, const CellFont&) = default;
};

}  // namespace lumvane
