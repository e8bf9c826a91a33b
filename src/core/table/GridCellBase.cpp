#include "table/GridCellBase.h"

#include <QStringList>
#include <algorithm>

#include "table/DrawTextFlags.h"
#include "table/GridCtrl.h"
#include "table/GridDefaultCell.h"
#include "table/GridImageList.h"
#include "table/TextMeasurer.h"

namespace lumvane {

const CGridDefaultCell* CGridCellBase::GetDefaultCell() const {
  const CGridCtrl* grid = GetGrid();
  if (grid == nullptr) {
    return nullptr;
  }
  const quint32 state = GetState();
  const bool fixedRow = (state & CELL_FIXEDROW) != 0;
  const bool fixedCol = (state & CELL_FIXEDCOL) != 0;
  if (fixedRow && fixedCol) {
    return &grid->m_cellCorner;
  }
  if (fixedRow) {
    return &grid->m_cellFixedRow;
  }
  if (fixedCol) {
    return &grid->m_cellFixedCol;
  }
  return &grid->m_cellNormal;
}

namespace {

int WidestLine(const TextMeasurer& measurer, const QString& text, const CellFont& font) {
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    widest = std::max(widest, measurer.TextExtent(line, font).width());
  }
  return widest;
}

}  // namespace

QSize CGridCellBase::MeasureText(const QString& text, int col) const {
  const CGridDefaultCell* defaults = GetDefaultCell();
  const CGridCtrl* grid = GetGrid();
  const TextMeasurer* measurer = grid != nullptr ? grid->GetTextMeasurer() : nullptr;
  if (text.isEmpty() || measurer == nullptr) {
    return defaults != nullptr ? defaults->GetSize() : QSize();
  }
  const CellFont font = GetFont();
  const quint32 format = GetFormat();
  QSize extent;
  if ((format & DT_WORDBREAK) == 0 || (format & DT_SINGLELINE) != 0) {
    extent = measurer->TextExtent(text, font);
  } else {
    const int width = col < 0 ? WidestLine(*measurer, text, font) : grid->GetColumnWidth(col) - 3;
    extent = measurer->WrappedTextExtent(text, font, width + 1);
  }
  const int margin = GetMargin();
  return extent + QSize(2 * margin, 2 * margin);
}

QSize CGridCellBase::MeasureCell(int col) const {
  const QSize text = MeasureText(GetText(), col);
  QSize image(0, 0);
  const CGridCtrl* grid = GetGrid();
  const GridImageList* images = grid != nullptr ? grid->GetImageList() : nullptr;
  if (images != nullptr && GetImage() >= 0) {
    if (const std::optional<QSize> size = images->ImageSize(GetImage())) {
      const int margin = GetMargin();
      image.setWidth(size->width() + (text.width() > 2 * margin ? margin : 0));
      image.setHeight(size->height() + 2 * margin);
    }
  }
  QSize cell;
  cell.setWidth(text.width() + image.width() + 1);
  if (IsImageAboveText()) {
    cell.setHeight(text.height() + image.height() + 1);
  } else {
    cell.setHeight(std::max(text.height(), image.height()) + 1);
  }
  if (IsFixed()) {
    cell += QSize(1, 1);
  }
  return cell;
}

}  // namespace lumvane
