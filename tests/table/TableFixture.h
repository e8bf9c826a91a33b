#pragma once
// Album tables as the main window builds them, and an observer that records
// what the grid tells its window.

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QStringList>
#include <memory>

#include "table/GridObserver.h"
#include "table/MyGridCtrl.h"

namespace lumvane::tests {

struct RecordingObserver : GridObserver {
  QList<CCellID> changedCells;
  int gridChanges = 0;
  int sizeChanges = 0;
  QList<QPair<int, int>> reveals;  // row, offset

  void OnCellChanged(int row, int col) override { changedCells.append(CCellID(row, col)); }
  void OnGridChanged() override { ++gridChanges; }
  void OnSizesChanged() override { ++sizeChanges; }
  void OnRevealRow(int row, int offset) override { reveals.append({row, offset}); }
};

// The list view: header row "序号", "名称", "数量", "备注", "", "" with the
// window's widths, then one row per name numbered "%04d" with item data
// = the name's index.
std::unique_ptr<CMyGridCtrl> MakeAlbumTable(const QStringList& names);

// Column 1 from the header down, e.g. {"名称", "b", "a"}.
QStringList ColumnTexts(const CGridCtrl& grid, int col);
// Item data of column 0 of every data row.
QList<qintptr> RowData(const CGridCtrl& grid);
// Rows with a selected cell, walked as the download job walks them.
QList<int> TickedRows(const CGridCtrl& grid);

}  // namespace lumvane::tests

namespace lumvane {
// Readable coordinates in failed comparisons.
char* toString(const CCellID& cell);
char* toString(const CCellSpan& span);
}  // namespace lumvane

Q_DECLARE_METATYPE(lumvane::CCellSpan)
