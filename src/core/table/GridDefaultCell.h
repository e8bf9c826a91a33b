#pragma once
// The defaults of one region of a grid (normal cells, fixed rows, fixed
// columns, the corner): format, colours, font, margin and the size new rows
// and columns get. Its size and margin follow its font.

#include "table/GridCell.h"

namespace lumvane {

class CGridDefaultCell : public CGridCell {
 public:
  // End ellipsis, no prefix processing, single line, vertically centred, left.
  static constexpr quint32 kDefaultFormat = DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_LEFT;
  // Used when nothing can measure text.
  static constexpr int kUnmeasuredMargin = 3;
  static constexpr QSize kUnmeasuredSize{40, 16};

  explicit CGridDefaultCell(CGridCtrl* grid);

  // A default cell carries no data and no state of its own.
  void SetData(qintptr) override {}
  void SetState(quint32) override {}
  quint32 GetState() const override { return CGridCellBase::GetState() | CELL_READONLY; }
  // Its values are the last word: it has no defaults of its own.
  const CGridDefaultCell* GetDefaultCell() const override { return nullptr; }

  // Sets the font and measures size and margin with it; nothing is ignored,
  // since a default cell always has a font.
  void SetFont(const std::optional<CellFont>& font) override;
  // Measures size and margin again with the grid's current measurer.
  void Remeasure();

  int GetWidth() const { return size_.width(); }
  int GetHeight() const { return size_.height(); }
  QSize GetSize() const { return size_; }
  void SetWidth(int width) { size_.setWidth(width); }
  void SetHeight(int height) { size_.setHeight(height); }

 private:
  QSize size_{30, 10};
};

}  // namespace lumvane
