#include "table/GridCtrl.h"

#include <new>

#include "table/GridCell.h"
#include "table/GridObserver.h"

namespace lumvane {

CGridCtrl::CGridCtrl() : m_cellNormal(this), m_cellFixedCol(this), m_cellFixedRow(this), m_cellCorner(this) {
  m_crGridBack = systemColors_.shadow3d;
  m_crSelFocusBack = systemColors_.highlight;
  m_crSelBack = systemColors_.highlight;
  m_crSelFocusText = systemColors_.highlightText;
  m_crSelText = systemColors_.highlightText;
  for (CGridDefaultCell* cell : {&m_cellNormal, &m_cellFixedCol, &m_cellFixedRow, &m_cellCorner}) {
    cell->SetTextColor(systemColors_.windowText);
    cell->SetBackColor(cell == &m_cellNormal ? systemColors_.window : systemColors_.face3d);
    cell->SetFont(measurer_->MessageFont());
  }
}

CGridCtrl::~CGridCtrl() = default;

void CGridCtrl::SetTextMeasurer(const TextMeasurer* measurer) {
  measurer_ = measurer;
  for (CGridDefaultCell* cell : {&m_cellNormal, &m_cellFixedCol, &m_cellFixedRow, &m_cellCorner}) {
    if (measurer_ != nullptr) {
      cell->SetFont(measurer_->MessageFont());
    } else {
      cell->Remeasure();
    }
  }
  Repaint();
}

void CGridCtrl::SetSystemColors(const GridSystemColors& colors) {
  for (CGridDefaultCell* cell : {&m_cellNormal, &m_cellFixedCol, &m_cellFixedRow, &m_cellCorner}) {
    if (cell->GetTextColor() == systemColors_.windowText) {
      cell->SetTextColor(colors.windowText);
    }
    if (cell->GetBackColor() == systemColors_.window) {
      cell->SetBackColor(colors.window);
    }
  }
  if (m_crGridBack == systemColors_.shadow3d) {
    m_crGridBack = colors.shadow3d;
  }
  systemColors_ = colors;
  Repaint();
}

// --- Dimensions.

bool CGridCtrl::FillRow(Row& row, int rowIndex, int cols) {
  try {
    row.reserve(static_cast<size_t>(cols));
    for (int col = static_cast<int>(row.size()); col < cols; ++col) {
      row.push_back(CreateCell(rowIndex, col));
    }
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool CGridCtrl::SetRowCount(int rows) {
  if (rows < 0) {
    return false;
  }
  if (rows == rowCount_) {
    return true;
  }
  if (rows < fixedRowCount_) {
    fixedRowCount_ = rows;
  }
  if (focusCell_.row >= rows) {
    SetFocusCell(-1, -1);
  }
  bool ok = true;
  if (rows < rowCount_) {
    for (int row = rows; row < rowCount_; ++row) {
      for (int col = 0; col < columnCount_; ++col) {
        DestroyCell(row, col);
      }
    }
    rows_.resize(static_cast<size_t>(rows));
    rowHeights_.resize(static_cast<size_t>(rows));
    rowCount_ = rows;
  } else {
    try {
      rows_.reserve(static_cast<size_t>(rows));
      rowHeights_.reserve(static_cast<size_t>(rows));
      while (rowCount_ < rows) {
        Row row;
        if (!FillRow(row, rowCount_, columnCount_)) {
          ok = false;
          break;
        }
        rows_.push_back(std::move(row));
        rowHeights_.push_back(m_cellNormal.GetHeight());
        ++rowCount_;
      }
    } catch (const std::bad_alloc&) {
      ok = false;
    }
  }
  MarkCellChanged(-1, -1);
  NotifySizes();
  Repaint();
  return ok;
}

bool CGridCtrl::SetColumnCount(int cols) {
  if (cols < 0) {
    return false;
  }
  if (cols == columnCount_) {
    return true;
  }
  if (cols < fixedColumnCount_) {
    fixedColumnCount_ = cols;
  }
  if (focusCell_.col >= cols) {
    SetFocusCell(-1, -1);
  }
  bool ok = true;
  if (cols < columnCount_) {
    for (int row = 0; row < rowCount_; ++row) {
      for (int col = cols; col < columnCount_; ++col) {
        DestroyCell(row, col);
      }
      rows_[static_cast<size_t>(row)].resize(static_cast<size_t>(cols));
    }
    columnWidths_.resize(static_cast<size_t>(cols));
  } else {
    try {
      columnWidths_.resize(static_cast<size_t>(cols), m_cellFixedCol.GetWidth());
      for (int row = 0; row < rowCount_ && ok; ++row) {
        ok = FillRow(rows_[static_cast<size_t>(row)], row, cols);
      }
    } catch (const std::bad_alloc&) {
      ok = false;
    }
  }
  // Rows left short by a failure just have missing cells: CellAt gives null.
  columnCount_ = cols;
  MarkCellChanged(-1, -1);
  NotifySizes();
  Repaint();
  return ok;
}

bool CGridCtrl::SetFixedRowCount(int rows) {
  if (rows < 0) {
    return false;
  }
  if (rows == fixedRowCount_) {
    return true;
  }
  ResetSelection();
  if (rows > rowCount_ && !SetRowCount(rows)) {
    return false;
  }
  for (int row = fixedRowCount_; row < rows; ++row) {
    for (int col = 0; col < columnCount_; ++col) {
      SetCellState(row, col, GetCellState(row, col) | CELL_FIXED | CELL_FIXEDROW);
    }
  }
  for (int row = rows; row < fixedRowCount_; ++row) {
    for (int col = 0; col < columnCount_; ++col) {
      const quint32 cleared = col < fixedColumnCount_ ? CELL_FIXEDROW : CELL_FIXED | CELL_FIXEDROW;
      SetCellState(row, col, GetCellState(row, col) & ~cleared);
    }
  }
  fixedRowCount_ = rows;
  NotifySizes();
  Repaint();
  return true;
}

bool CGridCtrl::SetFixedColumnCount(int cols) {
  if (cols < 0) {
    return false;
  }
  if (cols == fixedColumnCount_) {
    return true;
  }
  ResetSelection();
  if (cols > columnCount_ && !SetColumnCount(cols)) {
    return false;
  }
  for (int row = 0; row < rowCount_; ++row) {
    for (int col = fixedColumnCount_; col < cols; ++col) {
      SetCellState(row, col, GetCellState(row, col) | CELL_FIXED | CELL_FIXEDCOL);
    }
    for (int col = cols; col < fixedColumnCount_; ++col) {
      const bool fixedRow = row < fixedRowCount_;
      const quint32 cleared = fixedRow ? CELL_FIXEDCOL : CELL_FIXED | CELL_FIXEDCOL;
      SetCellState(row, col, GetCellState(row, col) & ~cleared);
      CGridCellBase* cell = CellAt(row, col);
      if (!fixedRow && cell != nullptr) {
        cell->SetTextColor(CLR_DEFAULT);
        cell->SetBackColor(CLR_DEFAULT);
      }
    }
  }
  fixedColumnCount_ = cols;
  NotifySizes();
  Repaint();
  return true;
}

int CGridCtrl::AppendRow() {
  ResetSelection();
  if (columnCount_ < 1) {
    SetColumnCount(1);
  }
  const int row = rowCount_;
  try {
    rowHeights_.reserve(rowHeights_.size() + 1);
    Row cells;
    if (!FillRow(cells, row, columnCount_)) {
      return -1;
    }
    rows_.push_back(std::move(cells));
  } catch (const std::bad_alloc&) {
    return -1;
  }
  rowHeights_.push_back(m_cellFixedRow.GetHeight());
  ++rowCount_;
  SetCellText(row, 0, QString());
  NotifySizes();
  MarkCellChanged(-1, -1);
  return row;
}

void CGridCtrl::ClearGrid() {
  ResetSelection();
  for (int row = 0; row < rowCount_; ++row) {
    for (int col = 0; col < columnCount_; ++col) {
      DestroyCell(row, col);
    }
  }
  rows_.clear();
  rowHeights_.clear();
  columnWidths_.clear();
  focusCell_ = CCellID();
  rowCount_ = 0;
  fixedRowCount_ = 0;
  columnCount_ = 0;
  fixedColumnCount_ = 0;
  NotifySizes();
  DropSortIndicator();
}

// --- Cells.

CGridCellBase* CGridCtrl::CellAt(int row, int col) const {
  if (!IsValid(row, col) || static_cast<size_t>(row) >= rows_.size()) {
    return nullptr;
  }
  const Row& cells = rows_[static_cast<size_t>(row)];
  return static_cast<size_t>(col) < cells.size() ? cells[static_cast<size_t>(col)].get() : nullptr;
}

bool CGridCtrl::PutCell(int row, int col, std::unique_ptr<CGridCellBase>& cell) {
  if (!IsValid(row, col) || static_cast<size_t>(row) >= rows_.size() ||
      static_cast<size_t>(col) >= rows_[static_cast<size_t>(row)].size()) {
    return false;
  }
  rows_[static_cast<size_t>(row)][static_cast<size_t>(col)].swap(cell);
  return true;
}

std::unique_ptr<CGridCellBase> CGridCtrl::CreateCell(int row, int col) {
  auto cell = std::make_unique<CGridCell>();
  cell->SetGrid(this);
  quint32 state = cell->GetState();
  if (col < fixedColumnCount_) {
    state |= CELL_FIXED | CELL_FIXEDCOL;
  }
  if (row < fixedRowCount_) {
    state |= CELL_FIXED | CELL_FIXEDROW;
  }
  cell->SetState(state);
  cell->SetFormat(cell->GetDefaultCell()->GetFormat());
  return cell;
}

void CGridCtrl::DestroyCell(int row, int col) {
  // Only the selection needs to hear of it; the window repaints what goes.
  if (const CGridCellBase* cell = CellAt(row, col); cell != nullptr && cell->IsSelected()) {
    selection_.erase(SelectionKey(row, col));
  }
  std::unique_ptr<CGridCellBase> none;
  PutCell(row, col, none);
}

bool CGridCtrl::SetCellText(int row, int col, const QString& text) {
  CGridCellBase* cell = CellAt(row, col);
  if (cell == nullptr) {
    return false;
  }
  cell->SetText(text);
  MarkCellChanged(col, row);
  return true;
}

bool CGridCtrl::FormatCellTextAligned(int row, int col, quint32 drawFlags, const QString& text) {
  GRIDITEMINFO info;
  info.row = row;
  info.col = col;
  info.mask = ITEM_TEXT | ITEM_FORMAT;
  info.format = drawFlags;
  info.text = text;
  return ApplyItemInfo(info);
}

QString CGridCtrl::GetCellText(int row, int col) const {
  const CGridCellBase* cell = CellAt(row, col);
  return cell != nullptr ? cell->GetText() : QString();
}

bool CGridCtrl::SetCellImage(int row, int col, int image) {
  CGridCellBase* cell = CellAt(row, col);
  if (cell == nullptr) {
    return false;
  }
  cell->SetImage(image);
  MarkCellChanged(col, row);
  return true;
}

quint32 CGridCtrl::GetCellState(int row, int col) const {
  const CGridCellBase* cell = CellAt(row, col);
  return cell != nullptr ? cell->GetState() : 0;
}

bool CGridCtrl::SetCellState(int row, int col, quint32 state) {
  CGridCellBase* cell = CellAt(row, col);
  if (cell == nullptr) {
    return false;
  }
  const quint32 old = cell->GetState();
  const bool selected = (state & CELL_SELECTED) != 0;
  if (cell->IsSelected() && !selected) {
    selection_.erase(SelectionKey(row, col));
  } else if (!cell->IsSelected() && selected) {
    selection_[SelectionKey(row, col)] = CCellID(row, col);
  }
  cell->SetState(state);
  if (old != state) {
    NotifyCell(row, col);
  }
  return true;
}

bool CGridCtrl::ApplyItemInfo(const GRIDITEMINFO& info) {
  CGridCellBase* cell = CellAt(info.row, info.col);
  if (cell == nullptr) {
    return false;
  }
  MarkCellChanged(info.col, info.row);
  if (info.mask & ITEM_TEXT) {
    cell->SetText(info.text);
  }
  if (info.mask & ITEM_DATA) {
    cell->SetData(info.data);
  }
  if (info.mask & ITEM_IMAGE) {
    cell->SetImage(info.image);
  }
  if (info.mask & ITEM_STATE) {
    SetCellState(info.row, info.col, info.state);
  }
  if (info.mask & ITEM_FORMAT) {
    cell->SetFormat(info.format);
  }
  if (info.mask & ITEM_BACKCOLOR) {
    cell->SetBackColor(info.backColor);
  }
  if (info.mask & ITEM_TEXTCOLOR) {
    cell->SetTextColor(info.textColor);
  }
  if (info.mask & ITEM_FONT) {
    cell->SetFont(info.font);
  }
  if (info.mask & ITEM_MARGIN) {
    cell->SetMargin(info.margin);
  }
  return true;
}

void CGridCtrl::MarkCellChanged(int col, int row) {
  if (col < 0 || col == sortedColumn_) {
    DropSortIndicator();
  }
  if (row < 0 || col < 0 || CellAt(row, col) == nullptr) {
    return;
  }
  const quint32 state = GetCellState(row, col);
  if (state & CELL_MODIFIED) {
    NotifyCell(row, col);
  } else {
    SetCellState(row, col, state | CELL_MODIFIED);  // notifies
  }
}

bool CGridCtrl::IsCellSelected(int row, int col) const {
  return m_bEnableSelection && (GetCellState(row, col) & CELL_SELECTED) != 0;
}

bool CGridCtrl::IsCellEditable(int row, int col) const {
  const CGridCellBase* cell = CellAt(row, col);
  return m_bEditable && cell != nullptr && !cell->IsReadOnly();
}

// --- Telling the window.

void CGridCtrl::Repaint() {
  if (m_bDrawingOn && observer_ != nullptr) {
    observer_->OnGridChanged();
  }
}

void CGridCtrl::NotifyCell(int row, int col) {
  if (m_bDrawingOn && observer_ != nullptr) {
    observer_->OnCellChanged(row, col);
  }
}

void CGridCtrl::NotifySizes() {
  if (observer_ != nullptr) {
    observer_->OnSizesChanged();
  }
}

void CGridCtrl::DropSortIndicator() {
  if (sortedColumn_ >= 0) {
    NotifyCell(0, sortedColumn_);
  }
  sortedColumn_ = -1;
}

}  // namespace lumvane
