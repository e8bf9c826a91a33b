#pragma once
// A cell coordinate; -1 means none.

#include <QtGlobal>

namespace lumvane {

struct CCellID {
  qint32 row = -1;
  qint32 col = -1;

  constexpr CCellID() = default;
  constexpr CCellID(qint32 r, qint32 c) : row(r), col(c) {}

  // Both parts set; whether the cell lies inside a grid is the grid's question.
  constexpr bool IsValid() const { return row >= 0 && col >= 0; }
  friend constexpr bool operator==(const CCellID&, const CCellID&) = default;
};

}  // namespace lumvane
