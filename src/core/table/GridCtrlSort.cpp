// CGridCtrl: row sorting and the header click that sorts and renumbers.

#include <bit>

#include "table/GridCtrl.h"

namespace lumvane {

void CGridCtrl::SortOnColumn(int col, bool ascending) {
  SortOnColumnWith(rowCompare_ ? rowCompare_ : PFNCELLCOMPARE(CompareCellTexts), col, ascending);
}

void CGridCtrl::SortOnColumnWith(const PFNCELLCOMPARE& compare, int col, bool ascending) {
  DropSortIndicator();
  sortedColumn_ = col;
  NotifyCell(0, col);
  sortAscending_ = ascending;
  // Cell states move with the rows while the selection keys would not.
  ResetSelection();
  SortRowRange(compare, col, ascending, 0, fixedRowCount_, -1);
}

bool CGridCtrl::SortRowRange(const PFNCELLCOMPARE& compare, int col, bool ascending, qintptr lParam, int low,
                             int high) {
  if (high == -1) {
    high = rowCount_ - 1;
  }
  if (!compare || col < 0 || col >= columnCount_ || low < 0 || high >= rowCount_ || low >= high) {
    return false;
  }
  // Quicksort degrades on unlucky orders; past this depth a range is heap-sorted.
  const int depthBudget = 2 * static_cast<int>(std::bit_width(static_cast<unsigned>(high - low + 1)));
  QuickSortRows(compare, col, ascending, lParam, low, high, depthBudget);
  Repaint();
  return true;
}

void CGridCtrl::QuickSortRows(const PFNCELLCOMPARE& compare, int col, bool ascending, qintptr lParam, int low, int high,
                              int depthBudget) {
  // Descending sorts reverse the comparison, not the result, so rows with
  // equal keys keep the order this partitioning gives them either way.
  const auto precedes = [&](int row, const CGridCellBase* pivot) {
    const int order = compare(CellAt(row, col), pivot, lParam);
    return ascending ? order < 0 : order > 0;
  };
  const auto follows = [&](int row, const CGridCellBase* pivot) {
    const int order = compare(CellAt(row, col), pivot, lParam);
    return ascending ? order > 0 : order < 0;
  };
  while (low < high) {
    if (depthBudget-- == 0) {
      HeapSortRows(compare, col, ascending, lParam, low, high);
      return;
    }
    const CGridCellBase* pivot = CellAt((low + high) / 2, col);
    int i = low;
    int j = high;
    while (i <= j) {
      while (i < high && precedes(i, pivot)) {
        ++i;
      }
      while (j > low && follows(j, pivot)) {
        --j;
      }
      if (j < i) {
        break;
      }
      if (compare(CellAt(i, col), CellAt(j, col), lParam) != 0) {
        SwapRows(i, j);
      }
      ++i;
      --j;
    }
    // The two parts are disjoint, so the order they are sorted in does not
    // matter; recursing into the smaller one bounds the stack.
    if (j - low < high - i) {
      QuickSortRows(compare, col, ascending, lParam, low, j, depthBudget);
      low = i;
    } else {
      QuickSortRows(compare, col, ascending, lParam, i, high, depthBudget);
      high = j;
    }
  }
}

void CGridCtrl::HeapSortRows(const PFNCELLCOMPARE& compare, int col, bool ascending, qintptr lParam, int low,
                             int high) {
  const auto before = [&](int a, int b) {
    const int order = compare(CellAt(low + a, col), CellAt(low + b, col), lParam);
    return ascending ? order < 0 : order > 0;
  };
  const auto siftDown = [&](int root, int count) {
    for (int child = 2 * root + 1; child < count; child = 2 * root + 1) {
      if (child + 1 < count && before(child, child + 1)) {
        ++child;
      }
      if (!before(root, child)) {
        return;
      }
      SwapRows(low + root, low + child);
      root = child;
    }
  };
  const int count = high - low + 1;
  for (int root = count / 2 - 1; root >= 0; --root) {
    siftDown(root, count);
  }
  for (int end = count - 1; end > 0; --end) {
    SwapRows(low, low + end);
    siftDown(0, end);
  }
}

void CGridCtrl::SwapRows(int a, int b) {
  std::swap(rows_[static_cast<size_t>(a)], rows_[static_cast<size_t>(b)]);
  std::swap(rowHeights_[static_cast<size_t>(a)], rowHeights_[static_cast<size_t>(b)]);
}

void CGridCtrl::OnHeaderClick(CCellID cell) {
  if (!IsValid(cell) || cell.row >= fixedRowCount_) {
    return;
  }
  if (m_bSortOnHeaderClick) {
    if (cell.col != 0 || !m_bNumberFirstColumn) {
      const bool ascending = cell.col != sortedColumn_ ? true : !sortAscending_;
      SortOnColumn(cell.col, ascending);
    }
    if (m_bNumberFirstColumn) {
      RenumberRows();
    }
    Repaint();
  }
  if (m_bFixedRowSelection) {
    mouseMode_ = cell.col < fixedColumnCount_ ? MOUSE_SELECT_ALL : MOUSE_SELECT_COL;
    ExtendSelection(cell);
  }
}

void CGridCtrl::RenumberRows() {
  int number = 1;
  for (int row = fixedRowCount_; row < rowCount_; ++row, ++number) {
    SetCellText(row, 0, QString::asprintf("%04d", number));
  }
}

}  // namespace lumvane
