// CGridCtrl: the focus cell and the selection, which is how albums are ticked.

#include <algorithm>

#include "table/GridCtrl.h"
#include "table/GridObserver.h"

namespace lumvane {

CCellSpan CGridCtrl::GetSelectedSpan() const {
  CCellSpan span(rowCount_, columnCount_, -1, -1);
  for (const auto& [key, cell] : selection_) {
    span.minRow = std::min(span.minRow, cell.row);
    span.minCol = std::min(span.minCol, cell.col);
    span.maxRow = std::max(span.maxRow, cell.row);
    span.maxCol = std::max(span.maxCol, cell.col);
  }
  return span;
}

int CGridCtrl::NextSelectedRow(int after) const {
  if (after >= rowCount_) {
    return -1;
  }
  const int start = after >= 0 ? after + 1 : fixedRowCount_;
  for (int row = start; row < rowCount_; ++row) {
    for (int col = 0; col < columnCount_; ++col) {
      const CGridCellBase* cell = CellAt(row, col);
      if (cell != nullptr && cell->IsSelected()) {
        return row;
      }
    }
  }
  return -1;
}

CCellID CGridCtrl::SetFocusCell(int row, int col) {
  CCellID cell(row, col);
  if (cell == focusCell_) {
    return focusCell_;
  }
  if (cell.row != -1 && cell.row < fixedRowCount_) {
    cell.row = fixedRowCount_;
  }
  if (cell.col != -1 && cell.col < fixedColumnCount_) {
    cell.col = fixedColumnCount_;
  }
  const CCellID old = focusCell_;
  focusCell_ = cell;
  const bool rowChanged = old.row != cell.row;
  const bool colChanged = old.col != cell.col;
  if (IsValid(old)) {
    SetCellState(old.row, old.col, GetCellState(old.row, old.col) & ~CELL_FOCUSED);
    NotifyFocusHeaders(old, rowChanged, colChanged);
  }
  if (IsValid(cell)) {
    SetCellState(cell.row, cell.col, GetCellState(cell.row, cell.col) | CELL_FOCUSED);
    NotifyFocusHeaders(cell, rowChanged, colChanged);
  }
  return old;
}

// Header cells of the focus cell's row and column are drawn pressed.
void CGridCtrl::NotifyFocusHeaders(CCellID cell, bool rowChanged, bool colChanged) {
  if (!m_bTrackFocusCell) {
    return;
  }
  if (colChanged) {
    for (int row = 0; row < fixedRowCount_; ++row) {
      NotifyCell(row, cell.col);
    }
  }
  if (rowChanged) {
    for (int col = 0; col < fixedColumnCount_; ++col) {
      NotifyCell(cell.row, col);
    }
  }
}

void CGridCtrl::UnselectAll() {
  SelectionMap selected;
  selected.swap(selection_);
  for (const auto& [key, id] : selected) {
    SetCellState(id.row, id.col, GetCellState(id.row, id.col) & ~CELL_SELECTED);
  }
}

void CGridCtrl::ReselectSnapshot() {
  for (const auto& [key, id] : prevSelection_) {
    if (IsValid(id)) {
      SetCellState(id.row, id.col, GetCellState(id.row, id.col) | CELL_SELECTED);
    }
  }
}

void CGridCtrl::ResetSelection() {
  EmptyMap(prevSelection_);
  UnselectAll();
  SetFocusCell(-1, -1);
}

void CGridCtrl::SnapshotSelection() { prevSelection_ = selection_; }

void CGridCtrl::SelectSpan(int minRow, int minCol, int maxRow, int maxCol, bool select) {
  if (!m_bEnableSelection) {
    return;
  }
  const auto raise = [](int value, int floor) { return value >= 0 && value < floor ? floor : value; };
  minRow = raise(minRow, fixedRowCount_);
  maxRow = raise(maxRow, fixedRowCount_);
  minCol = raise(minCol, fixedColumnCount_);
  maxCol = raise(maxCol, fixedColumnCount_);

  if (select) {
    UnselectAll();
    if (!(rowMode_ && m_bExclusiveClick)) {
      if (minRow < 0) {
        return;
      }
      if (minCol >= 0 && maxRow >= 0 && maxCol >= 0) {
        ReselectSnapshot();
      }
    }
  }
  if (minRow < 0 || minCol < 0 || maxRow < 0 || maxCol < 0 || maxRow >= rowCount_ || maxCol >= columnCount_ ||
      maxCol < minCol) {
    return;
  }
  for (int row = minRow; row <= maxRow; ++row) {
    for (int col = minCol; col <= maxCol; ++col) {
      const CGridCellBase* cell = CellAt(row, col);
      if (cell != nullptr && cell->IsSelected() != select) {
        const quint32 state = cell->GetState();
        SetCellState(row, col, select ? state | CELL_SELECTED : state & ~CELL_SELECTED);
      }
    }
  }
}

void CGridCtrl::SelectAllCells() {
  if (m_bEnableSelection) {
    SelectSpan(fixedRowCount_, fixedColumnCount_, rowCount_ - 1, columnCount_ - 1, true);
  }
}

void CGridCtrl::SelectColumnSpan(CCellID cell) {
  if (!m_bEnableSelection || !IsValid(cell) || cell.col < fixedColumnCount_) {
    return;
  }
  if (m_bSingleColSelection) {
    SelectSpan(fixedRowCount_, cell.col, rowCount_ - 1, cell.col, true);
  } else {
    SelectSpan(fixedRowCount_, std::min(anchorCell_.col, cell.col), rowCount_ - 1, std::max(anchorCell_.col, cell.col),
               true);
  }
}

void CGridCtrl::SelectRowSpan(bool select, CCellID cell) {
  if (!m_bEnableSelection || !IsValid(cell) || cell.row < fixedRowCount_) {
    return;
  }
  if (rowMode_ && m_bExclusiveClick) {
    SelectSpan(cell.row, fixedColumnCount_, cell.row, columnCount_ - 1, select);
  } else {
    SelectSpan(std::min(anchorCell_.row, cell.row), fixedColumnCount_, std::max(anchorCell_.row, cell.row),
               columnCount_ - 1, select);
  }
}

void CGridCtrl::SelectCellSpan(bool select, CCellID cell) {
  if (!m_bEnableSelection || !IsValid(cell) || cell.row < fixedRowCount_ || cell.col < fixedColumnCount_) {
    return;
  }
  SelectSpan(std::min(anchorCell_.row, cell.row), std::min(anchorCell_.col, cell.col),
             std::max(anchorCell_.row, cell.row), std::max(anchorCell_.col, cell.col), select);
}

void CGridCtrl::ExtendSelection(CCellID cell) {
  switch (mouseMode_) {
    case MOUSE_SELECT_ALL:
      SelectAllCells();
      break;
    case MOUSE_SELECT_COL:
      SelectColumnSpan(cell);
      break;
    case MOUSE_SELECT_ROW:
      SelectRowSpan(true, cell);
      break;
    case MOUSE_SELECT_CELLS:
      SelectCellSpan(true, cell);
      break;
    default:
      break;
  }
}

void CGridCtrl::ClearSelection() {
  EmptyMap(prevSelection_);
  SelectSpan(-1, -1, -1, -1, true);
  SetFocusCell(-1, -1);
}

void CGridCtrl::SelectRowAndReveal(int row) {
  if (row == -1) {
    SelectAllCells();
    return;
  }
  ClearSelection();
  SelectRowSpan(true, CCellID(row, 0));
  if (observer_ == nullptr || row < fixedRowCount_ || row >= rowCount_) {
    return;
  }
  int offset = 0;
  for (int above = fixedRowCount_; above < row; ++above) {
    offset += rowHeights_[static_cast<size_t>(above)];
  }
  observer_->OnRevealRow(row, offset);
}

void CGridCtrl::SetRowMode(bool rowMode) {
  ResetSelection();
  DropSortIndicator();
  rowMode_ = rowMode;
  m_bFixedColumnSelection = false;
  Repaint();
}

}  // namespace lumvane
