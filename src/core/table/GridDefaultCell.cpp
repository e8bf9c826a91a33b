#include "table/GridDefaultCell.h"

#include "table/GridCtrl.h"
#include "table/TextMeasurer.h"

namespace lumvane {

CGridDefaultCell::CGridDefaultCell(CGridCtrl* grid) {
  SetGrid(grid);
  SetFormat(kDefaultFormat);
}

void CGridDefaultCell::SetFont(const std::optional<CellFont>& font) {
  if (!font.has_value()) {
    return;
  }
  CGridCell::SetFont(font);
  Remeasure();
}

void CGridDefaultCell::Remeasure() {
  const TextMeasurer* measurer = GetGrid() != nullptr ? GetGrid()->GetTextMeasurer() : nullptr;
  if (measurer == nullptr) {
    SetMargin(kUnmeasuredMargin);
    size_ = kUnmeasuredSize;
    return;
  }
  const CellFont font = GetFont();
  SetMargin(measurer->TextExtent(QStringLiteral(" "), font).width());
  const QSize sample = measurer->TextExtent(QStringLiteral(" XXXXXXXXXXXX "), font);
  size_ = QSize(sample.width(), sample.height() * 3 / 2);
}

}  // namespace lumvane
