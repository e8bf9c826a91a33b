#pragma once
// The grid as a model: a rectangle of cells with fixed (header) rows and
// columns, row heights and column widths, a selection, a focus cell and
// row sorting. A window paints it and feeds it the mouse and the keys; the
// grid tells the window what changed through a GridObserver.

#include <QString>
#include <memory>
#include <unordered_map>
#include <vector>

#include "table/CellCompare.h"
#include "table/CellID.h"
#include "table/CellSpan.h"
#include "table/DefaultTextMeasurer.h"
#include "table/GridDefaultCell.h"
#include "table/GridItemInfo.h"
#include "table/MouseMode.h"

namespace lumvane {

class GridImageList;
class GridObserver;

class CGridCtrl {
 public:
  CGridCtrl();
  CGridCtrl(const CGridCtrl&) = delete;
  CGridCtrl& operator=(const CGridCtrl&) = delete;
  virtual ~CGridCtrl();

  // --- What the window hands in.
  void SetObserver(GridObserver* observer) { observer_ = observer; }
  // The default cells take the measurer's message font and are measured with
  // it; null means nothing can measure and they fall back to fixed sizes.
  // Install it before setting up the table: margins set earlier are measured anew.
  void SetTextMeasurer(const TextMeasurer* measurer);
  const TextMeasurer* GetTextMeasurer() const { return measurer_; }
  // Borrowed; the window owns the pictures.
  void SetImageList(const GridImageList* images) { images_ = images; }
  const GridImageList* GetImageList() const { return images_; }
  // The desktop's colours changed: default cells and the background that
  // still use the old ones follow.
  void SetSystemColors(const GridSystemColors& colors);
  const GridSystemColors& GetSystemColors() const { return systemColors_; }

  // --- Dimensions.
  int GetRowCount() const { return rowCount_; }
  int GetColumnCount() const { return columnCount_; }
  int GetFixedRowCount() const { return fixedRowCount_; }
  int GetFixedColumnCount() const { return fixedColumnCount_; }
  bool IsValid(int row, int col) const { return row >= 0 && row < rowCount_ && col >= 0 && col < columnCount_; }
  bool IsValid(CCellID cell) const { return IsValid(cell.row, cell.col); }

  bool SetRowCount(int rows);
  bool SetColumnCount(int cols);
  bool SetFixedRowCount(int rows);
  bool SetFixedColumnCount(int cols);
  // Adds a row at the end and returns its index, -1 when memory ran out.
  int AppendRow();
  // Removes every row, column and cell.
  void ClearGrid();

  // --- Cells.
  CGridCellBase* CellAt(int row, int col) const;
  // Exchanges `cell` with the cell stored at (row, col): afterwards `cell`
  // holds the replaced one. Outside the grid nothing changes (false).
  bool PutCell(int row, int col, std::unique_ptr<CGridCellBase>& cell);
  virtual std::unique_ptr<CGridCellBase> CreateCell(int row, int col);
  virtual void DestroyCell(int row, int col);

  bool SetCellText(int row, int col, const QString& text);
  // Text and drawing flags (DrawTextFlags) together.
  bool FormatCellTextAligned(int row, int col, quint32 drawFlags, const QString& text);
  QString GetCellText(int row, int col) const;
  bool SetCellImage(int row, int col, int image);
  quint32 GetCellState(int row, int col) const;
  // The only way a cell's state changes, so that the selection keeps in step.
  bool SetCellState(int row, int col, quint32 state);
  bool ApplyItemInfo(const GRIDITEMINFO& info);
  // A cell changed through the grid: marks it modified and, when it lies in
  // the sorted column (or col < 0: any change of the shape), drops the sort.
  void MarkCellChanged(int col, int row);
  bool IsCellSelected(int row, int col) const;
  bool IsCellEditable(int row, int col) const;

  // --- Selection and focus.
  // Bounding box of the selected cells; with nothing selected
  // (row count, column count, -1, -1).
  CCellSpan GetSelectedSpan() const;
  // First row after `after` (from the first non-fixed row when after < 0)
  // with a selected cell; -1 when none.
  int NextSelectedRow(int after) const;
  CCellID GetFocusCell() const { return focusCell_; }
  // Moves the focus (never into fixed rows or columns); returns the old one.
  CCellID SetFocusCell(int row, int col);
  CCellID GetAnchorCell() const { return anchorCell_; }
  void SetAnchorCell(CCellID cell) { anchorCell_ = cell; }
  MouseMode GetMouseMode() const { return mouseMode_; }
  void SetMouseMode(MouseMode mode) { mouseMode_ = mode; }

  // select true: the selection becomes the span plus the snapshot taken for
  // Ctrl-clicks; select false: the span is taken out. (-1, -1, -1, -1, true)
  // clears everything.
  void SelectSpan(int minRow, int minCol, int maxRow, int maxCol, bool select);
  void SelectAllCells();
  void SelectColumnSpan(CCellID cell);
  void SelectRowSpan(bool select, CCellID cell);
  void SelectCellSpan(bool select, CCellID cell);
  // Selects from the anchor to `cell` as the mouse mode says.
  void ExtendSelection(CCellID cell);
  void ClearSelection();
  // -1: selects everything. Else selects only that row and asks the window
  // to scroll it to the top.
  void SelectRowAndReveal(int row);
  // The snapshot a Ctrl-click adds to: the current selection, or nothing.
  void SnapshotSelection();
  void ClearSelectionSnapshot() { EmptyMap(prevSelection_); }

  // Whole-row selection; clears selection, focus and the sort.
  void SetRowMode(bool rowMode);
  bool GetRowMode() const { return rowMode_; }

  // --- Sorting.
  // Null: header clicks compare texts.
  void SetCompareFunction(PFNCELLCOMPARE compare) { rowCompare_ = std::move(compare); }
  void SortOnColumn(int col, bool ascending);
  void SortOnColumnWith(const PFNCELLCOMPARE& compare, int col, bool ascending);
  // Sorts rows low..high (high -1: the last row) on column `col`; whole rows
  // move. False when there is nothing to sort.
  bool SortRowRange(const PFNCELLCOMPARE& compare, int col, bool ascending, qintptr lParam, int low, int high);
  int GetSortColumn() const { return sortedColumn_; }
  bool GetSortAscending() const { return sortAscending_; }
  // A click on a cell of a fixed row: sorts and renumbers column 0.
  virtual void OnHeaderClick(CCellID cell);

  // --- Sizes.
  // -1 outside the grid.
  int GetRowHeight(int row) const;
  int GetColumnWidth(int col) const;
  bool SetRowHeight(int row, int height);
  bool SetColumnWidth(int col, int width);
  // Size a row or column to its contents; rows and columns of size 0 stay
  // hidden. Style 0 is m_nFitStyle; FIT_HEADER and FIT_DATA choose the rows.
  bool FitRow(int row, bool updateScroll = true);
  bool FitColumn(int col, int style = 0, bool updateScroll = true);
  void FitAllRows();
  void FitAllColumns();

  // Repaints everything when drawing is on.
  void Repaint();

  enum FitStyle : int { FIT_HEADER = 1, FIT_DATA = 2 };

  // --- Defaults of the four regions.
  CGridDefaultCell m_cellNormal;
  CGridDefaultCell m_cellFixedCol;
  CGridDefaultCell m_cellFixedRow;
  CGridDefaultCell m_cellCorner;

  // --- Switches and colours the window and the album table set directly.
  // Painting on; false suspends all painting.
  bool m_bDrawingOn = true;
  // False while the window's paint pass runs.
  bool m_bPaintIdle = true;
  // With row mode: a plain click selects only the clicked row.
  bool m_bExclusiveClick = false;
  bool m_bEditable = true;
  // A press on a selected cell prepares a drag of the selection.
  bool m_bDragSelection = false;
  // A column selection covers only the clicked column.
  bool m_bSingleColSelection = false;
  bool m_bEnableSelection = true;
  // A click in a fixed column selects the row.
  bool m_bFixedColumnSelection = true;
  // A click in a fixed row selects the column.
  bool m_bFixedRowSelection = true;
  bool m_bSortOnHeaderClick = false;
  // Column 0 holds row numbers: it is renumbered after header sorts, never sorted.
  bool m_bNumberFirstColumn = true;
  // Header cells of the focus cell's row and column look pressed.
  bool m_bTrackFocusCell = true;
  bool m_bFrameFocusCell = true;
  int m_nFitStyle = FIT_HEADER | FIT_DATA;
  GridColor m_crGridBack = 0;
  GridColor m_crSelFocusBack = 0;
  GridColor m_crSelBack = 0;
  GridColor m_crSelFocusText = 0;
  GridColor m_crSelText = 0;

 private:
  using SelectionMap = std::unordered_map<quint64, CCellID>;
  using Row = std::vector<std::unique_ptr<CGridCellBase>>;

  // Full row and column: no two cells of any grid share a key.
  static quint64 SelectionKey(int row, int col) {
    return static_cast<quint64>(static_cast<quint32>(col)) << 32 | static_cast<quint32>(row);
  }

  // Gives the map's buckets back too: clearing a hash map costs its bucket
  // count, which a select-all leaves as large as the table.
  static void EmptyMap(SelectionMap& map) {
    if (!map.empty() || map.bucket_count() > 64) {
      SelectionMap().swap(map);
    }
  }

  void NotifyCell(int row, int col);
  void NotifyFocusHeaders(CCellID cell, bool rowChanged, bool colChanged);
  void NotifySizes();
  void DropSortIndicator();
  // Empties the snapshot, unselects every cell and clears the focus.
  void ResetSelection();
  // Unselects every selected cell; costs what is selected, not the grid.
  void UnselectAll();
  void ReselectSnapshot();
  // Creates the cells of `row` from its current end up to `cols`.
  bool FillRow(Row& row, int rowIndex, int cols);
  void QuickSortRows(const PFNCELLCOMPARE& compare, int col, bool ascending, qintptr lParam, int low, int high,
                     int depthBudget);
  void HeapSortRows(const PFNCELLCOMPARE& compare, int col, bool ascending, qintptr lParam, int low, int high);
  void SwapRows(int a, int b);
  void RenumberRows();

  int rowCount_ = 0;
  int columnCount_ = 0;
  int fixedRowCount_ = 0;
  int fixedColumnCount_ = 0;
  std::vector<int> rowHeights_;
  std::vector<int> columnWidths_;
  std::vector<Row> rows_;

  SelectionMap selection_;
  SelectionMap prevSelection_;
  CCellID focusCell_;
  CCellID anchorCell_;
  MouseMode mouseMode_ = MOUSE_NOTHING;
  bool rowMode_ = false;

  bool sortAscending_ = true;
  int sortedColumn_ = -1;
  PFNCELLCOMPARE rowCompare_;

  DefaultTextMeasurer defaultMeasurer_;
  const TextMeasurer* measurer_ = &defaultMeasurer_;
  const GridImageList* images_ = nullptr;
  GridObserver* observer_ = nullptr;
  GridSystemColors systemColors_;
};

}  // namespace lumvane
