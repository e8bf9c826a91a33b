#pragma once
// An inclusive block of cells; -1 in all four bounds means no span.

#include <QtGlobal>

namespace lumvane {

struct CCellSpan {
  qint32 minRow = -1;
  qint32 minCol = -1;
  qint32 maxRow = -1;
  qint32 maxCol = -1;

  constexpr CCellSpan() = default;
  constexpr CCellSpan(qint32 r1, qint32 c1, qint32 r2, qint32 c2) : minRow(r1), minCol(c1), maxRow(r2), maxCol(c2) {}

  friend constexpr bool operator==(const CCellSpan&, const CCellSpan&) = default;
};

}  // namespace lumvane
