#pragma once
// Orderings of cells for row sorting.

#include <QtGlobal>
#include <functional>

namespace lumvane {

class CGridCellBase;

// Negative when a sorts before b, 0 when equal, positive after.
using PFNCELLCOMPARE = std::function<int(const CGridCellBase* a, const CGridCellBase* b, qintptr lParam)>;

// Ordinal comparison of the texts, UTF-16 code unit by code unit: case
// matters and digits are not read as numbers. A missing cell equals anything.
int CompareCellTexts(const CGridCellBase* a, const CGridCellBase* b, qintptr lParam);

}  // namespace lumvane
