// CGridCtrl: row heights and column widths, and fitting them to the cells.

#include <algorithm>

#include "table/GridCtrl.h"

namespace lumvane {

int CGridCtrl::GetRowHeight(int row) const {
  return row >= 0 && row < rowCount_ ? rowHeights_[static_cast<size_t>(row)] : -1;
}

int CGridCtrl::GetColumnWidth(int col) const {
  return col >= 0 && col < columnCount_ ? columnWidths_[static_cast<size_t>(col)] : -1;
}

bool CGridCtrl::SetRowHeight(int row, int height) {
  if (row < 0 || row >= rowCount_ || height < 0) {
    return false;
  }
  rowHeights_[static_cast<size_t>(row)] = height;
  NotifySizes();
  return true;
}

bool CGridCtrl::SetColumnWidth(int col, int width) {
  if (col < 0 || col >= columnCount_ || width < 0) {
    return false;
  }
  columnWidths_[static_cast<size_t>(col)] = width;
  NotifySizes();
  return true;
}

bool CGridCtrl::FitRow(int row, bool updateScroll) {
  if (GetRowHeight(row) <= 0) {
    return false;
  }
  int height = 0;
  for (int col = 0; col < columnCount_; ++col) {
    if (const CGridCellBase* cell = CellAt(row, col)) {
      height = std::max(height, cell->MeasureCell(col).height());
    }
  }
  rowHeights_[static_cast<size_t>(row)] = height;
  if (updateScroll) {
    NotifySizes();
  }
  return true;
}

bool CGridCtrl::FitColumn(int col, int style, bool updateScroll) {
  if (GetColumnWidth(col) <= 0) {
    return false;
  }
  if (style == 0) {
    style = m_nFitStyle;
  }
  if (style < 0 || style > (FIT_HEADER | FIT_DATA)) {
    return false;
  }
  const int first = (style & FIT_HEADER) ? 0 : fixedRowCount_;
  const int end = (style & FIT_DATA) ? rowCount_ : fixedRowCount_;
  int width = 0;
  for (int row = first; row < end; ++row) {
    if (const CGridCellBase* cell = CellAt(row, col)) {
      const int extent = cell->MeasureCell(-1).width();
      if (width < extent) {
        width = extent + 1;
      }
    }
  }
  columnWidths_[static_cast<size_t>(col)] = width;
  if (updateScroll) {
    NotifySizes();
  }
  return true;
}

void CGridCtrl::FitAllRows() {
  for (int row = 0; row < rowCount_; ++row) {
    FitRow(row, false);
  }
  NotifySizes();
}

void CGridCtrl::FitAllColumns() {
  for (int col = 0; col < columnCount_; ++col) {
    FitColumn(col, 0, false);
  }
  NotifySizes();
}

}  // namespace lumvane
