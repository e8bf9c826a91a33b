#include <QPoint>
#include <QTest>

#include "TableFixture.h"
#include "TableTestRunners.h"
#include "table/GridCellBase.h"

namespace lumvane {

namespace {

int SelectedCellCount(const CGridCtrl& grid) {
  int count = 0;
  for (int row = 0; row < grid.GetRowCount(); ++row) {
    for (int col = 0; col < grid.GetColumnCount(); ++col) {
      count += (grid.GetCellState(row, col) & CELL_SELECTED) ? 1 : 0;
    }
  }
  return count;
}

void SelectRows(CGridCtrl& grid, const QList<int>& rows) {
  for (const int row : rows) {
    for (int col = 0; col < grid.GetColumnCount(); ++col) {
      grid.SetCellState(row, col, grid.GetCellState(row, col) | CELL_SELECTED);
    }
  }
}

}  // namespace

class TestGridSelection : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void selectionQueries_data();
  void selectionQueries();
  void keysHoldFullRows_data();
  void keysHoldFullRows();
  void selectRowSpan_data();
  void selectRowSpan();
  void extendSelection_data();
  void extendSelection();
  void disabledSelection();
  void focusStaysOutOfFixedRows();
  void selectRowAndReveal();
};

// Album table with rows 1..6; cells given as (x = column, y = row).
void TestGridSelection::selectionQueries_data() {
  QTest::addColumn<QList<QPoint>>("selected");
  QTest::addColumn<int>("after");
  QTest::addColumn<int>("next");
  QTest::addColumn<CCellSpan>("span");
  QTest::newRow("nothing selected") << QList<QPoint>() << -1 << -1 << CCellSpan(7, 6, -1, -1);
  QTest::newRow("-1 starts at the first data row") << QList<QPoint>{{3, 1}} << -1 << 1 << CCellSpan(1, 3, 1, 3);
  QTest::newRow("fixed count - 1 starts there too") << QList<QPoint>{{3, 1}} << 0 << 1 << CCellSpan(1, 3, 1, 3);
  QTest::newRow("the row itself is skipped") << QList<QPoint>{{0, 2}, {5, 4}} << 2 << 4 << CCellSpan(2, 0, 4, 5);
  QTest::newRow("a hidden column ticks too") << QList<QPoint>{{5, 6}} << -1 << 6 << CCellSpan(6, 5, 6, 5);
  QTest::newRow("after far past the end") << QList<QPoint>{{1, 3}} << 2147483647 << -1 << CCellSpan(3, 1, 3, 1);
  QTest::newRow("nothing after the last") << QList<QPoint>{{1, 3}} << 3 << -1 << CCellSpan(3, 1, 3, 1);
  QTest::newRow("a selected header cell is not a tick") << QList<QPoint>{{1, 0}} << -1 << -1 << CCellSpan(0, 1, 0, 1);
}

void TestGridSelection::selectionQueries() {
  QFETCH(QList<QPoint>, selected);
  QFETCH(int, after);
  QFETCH(int, next);
  QFETCH(CCellSpan, span);
  auto grid = tests::MakeAlbumTable({"a", "b", "c", "d", "e", "f"});
  for (const QPoint& cell : selected) {
    QVERIFY(grid->SetCellState(cell.y(), cell.x(), grid->GetCellState(cell.y(), cell.x()) | CELL_SELECTED));
  }
  QCOMPARE(grid->NextSelectedRow(after), next);
  QCOMPARE(grid->GetSelectedSpan(), span);
}

// Rows that agree in their low 16 bits are still different albums.
void TestGridSelection::keysHoldFullRows_data() {
  QTest::addColumn<int>("low");
  QTest::addColumn<int>("high");
  QTest::newRow("1 and 65537") << 1 << 65537;
  QTest::newRow("4464 and 70000") << 4464 << 70000;
}

void TestGridSelection::keysHoldFullRows() {
  QFETCH(int, low);
  QFETCH(int, high);
  CGridCtrl grid;
  grid.SetColumnCount(2);
  grid.SetRowCount(70001);
  grid.SetFixedRowCount(1);
  grid.SetCellState(low, 1, CELL_SELECTED);
  grid.SetCellState(high, 1, CELL_SELECTED);
  QCOMPARE(grid.GetSelectedSpan(), CCellSpan(low, 1, high, 1));

  grid.SetCellState(high, 1, 0);
  QCOMPARE(grid.GetSelectedSpan(), CCellSpan(low, 1, low, 1));

  grid.SetCellState(high, 1, CELL_SELECTED);
  grid.ClearSelection();
  QCOMPARE(tests::TickedRows(grid), QList<int>());

  grid.SetRowMode(true);
  grid.m_bExclusiveClick = true;
  grid.SelectRowAndReveal(high);
  QCOMPARE(tests::TickedRows(grid), QList<int>({high}));
}

void TestGridSelection::selectRowSpan_data() {
  QTest::addColumn<bool>("exclusive");
  QTest::addColumn<QList<int>>("before");  // selected and kept as the Ctrl-click snapshot
  QTest::addColumn<int>("anchor");
  QTest::addColumn<int>("clicked");
  QTest::addColumn<bool>("select");
  QTest::addColumn<QList<int>>("ticked");
  QTest::newRow("a click adds the row") << false << QList<int>{1} << 3 << 3 << true << QList<int>{1, 3};
  QTest::newRow("shift: anchor to row") << false << QList<int>() << 4 << 2 << true << QList<int>{2, 3, 4};
  QTest::newRow("shift keeps earlier ticks") << false << QList<int>{6} << 1 << 3 << true << QList<int>{1, 2, 3, 6};
  QTest::newRow("untick a range") << false << QList<int>{1, 2, 3, 4} << 2 << 3 << false << QList<int>{1, 4};
  QTest::newRow("exclusive: only the clicked row") << true << QList<int>{1, 5} << 1 << 3 << true << QList<int>{3};
  QTest::newRow("no anchor selects nothing") << false << QList<int>{2} << -1 << 3 << true << QList<int>();
  QTest::newRow("a header row is no row") << false << QList<int>{2} << 2 << 0 << true << QList<int>{2};
}

void TestGridSelection::selectRowSpan() {
  QFETCH(bool, exclusive);
  QFETCH(QList<int>, before);
  QFETCH(int, anchor);
  QFETCH(int, clicked);
  QFETCH(bool, select);
  QFETCH(QList<int>, ticked);
  auto grid = tests::MakeAlbumTable({"a", "b", "c", "d", "e", "f"});
  grid->m_bExclusiveClick = exclusive;
  SelectRows(*grid, before);
  grid->SnapshotSelection();
  grid->SetAnchorCell(CCellID(anchor, 0));
  grid->SelectRowSpan(select, CCellID(clicked, 2));
  QCOMPARE(tests::TickedRows(*grid), ticked);
  // Whole rows or nothing.
  QCOMPARE(SelectedCellCount(*grid), ticked.size() * 6);
}

// A 5 × 4 grid with one fixed row and one fixed column.
void TestGridSelection::extendSelection_data() {
  QTest::addColumn<int>("mode");
  QTest::addColumn<bool>("singleColumn");
  QTest::addColumn<CCellSpan>("span");
  QTest::addColumn<int>("count");
  QTest::newRow("select all") << int(MOUSE_SELECT_ALL) << false << CCellSpan(1, 1, 4, 3) << 12;
  QTest::newRow("columns") << int(MOUSE_SELECT_COL) << false << CCellSpan(1, 1, 4, 3) << 12;
  QTest::newRow("single column") << int(MOUSE_SELECT_COL) << true << CCellSpan(1, 3, 4, 3) << 4;
  QTest::newRow("rows") << int(MOUSE_SELECT_ROW) << false << CCellSpan(2, 1, 3, 3) << 6;
  QTest::newRow("cells") << int(MOUSE_SELECT_CELLS) << false << CCellSpan(2, 1, 3, 3) << 6;
  QTest::newRow("no selecting mode") << int(MOUSE_SIZING_COL) << false << CCellSpan(5, 4, -1, -1) << 0;
}

void TestGridSelection::extendSelection() {
  QFETCH(int, mode);
  QFETCH(bool, singleColumn);
  QFETCH(CCellSpan, span);
  QFETCH(int, count);
  CGridCtrl grid;
  grid.SetRowCount(5);
  grid.SetColumnCount(4);
  grid.SetFixedRowCount(1);
  grid.SetFixedColumnCount(1);
  grid.m_bSingleColSelection = singleColumn;
  grid.SetAnchorCell(CCellID(2, 1));
  grid.SetMouseMode(static_cast<MouseMode>(mode));
  grid.ExtendSelection(CCellID(3, 3));
  QCOMPARE(grid.GetSelectedSpan(), span);
  QCOMPARE(SelectedCellCount(grid), count);
}

void TestGridSelection::disabledSelection() {
  auto grid = tests::MakeAlbumTable({"a", "b"});
  grid->m_bEnableSelection = false;
  grid->SelectAllCells();
  QCOMPARE(SelectedCellCount(*grid), 0);
  grid->SetCellState(1, 1, CELL_SELECTED);
  QVERIFY(!grid->IsCellSelected(1, 1));
  grid->m_bEnableSelection = true;
  QVERIFY(grid->IsCellSelected(1, 1));
}

void TestGridSelection::focusStaysOutOfFixedRows() {
  auto grid = tests::MakeAlbumTable({"a", "b"});
  tests::RecordingObserver observer;
  grid->SetObserver(&observer);
  QCOMPARE(grid->SetFocusCell(0, 2), CCellID());
  QCOMPARE(grid->GetFocusCell(), CCellID(1, 2));
  QVERIFY(grid->GetCellState(1, 2) & CELL_FOCUSED);
  QVERIFY(observer.changedCells.contains(CCellID(1, 2)));
  QVERIFY(observer.changedCells.contains(CCellID(0, 2)));  // its header is drawn pressed

  QCOMPARE(grid->SetFocusCell(-1, -1), CCellID(1, 2));
  QVERIFY(!(grid->GetCellState(1, 2) & CELL_FOCUSED));
}

void TestGridSelection::selectRowAndReveal() {
  auto grid = tests::MakeAlbumTable({"a", "b", "c", "d", "e", "f"});
  tests::RecordingObserver observer;
  grid->SetObserver(&observer);
  for (int row = 1; row <= 6; ++row) {
    grid->SetRowHeight(row, 10 * row);
  }
  grid->m_bExclusiveClick = true;  // the search dialog is open
  grid->SetFocusCell(2, 1);
  SelectRows(*grid, {1, 2});
  grid->SelectRowAndReveal(5);
  QCOMPARE(tests::TickedRows(*grid), QList<int>({5}));
  QCOMPARE(grid->GetFocusCell(), CCellID());
  QCOMPARE(observer.reveals, (QList<QPair<int, int>>{{5, 10 + 20 + 30 + 40}}));

  grid->SelectRowAndReveal(-1);  // the select-all box
  QCOMPARE(tests::TickedRows(*grid), QList<int>({1, 2, 3, 4, 5, 6}));
  QCOMPARE(SelectedCellCount(*grid), 36);
  QCOMPARE(observer.reveals.size(), 1);
}

namespace tests {
int RunGridSelectionTests(int argc, char** argv) {
  TestGridSelection test;
  return QTest::qExec(&test, argc, argv);
}
}  // namespace tests

}  // namespace lumvane

#include "TestGridSelection.moc"
