#include "table/CellCompare.h"

#include "table/GridCellBase.h"

namespace lumvane {

int CompareCellTexts(const CGridCellBase* a, const CGridCellBase* b, qintptr) {
  if (a == nullptr || b == nullptr) {
    return 0;
  }
  // QString's ordinal comparison is by unsigned UTF-16 code unit.
  const int order = a->GetText().compare(b->GetText(), Qt::CaseSensitive);
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

}  // namespace lumvane
