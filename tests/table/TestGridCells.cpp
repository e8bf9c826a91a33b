#include <QTest>

#include "TableFixture.h"
#include "TableTestRunners.h"
#include "table/DefaultTextMeasurer.h"
#include "table/GridCell.h"
#include "table/GridImageList.h"

namespace lumvane {

namespace {

// Every picture is 113 × 120, as the thumbnails are.
struct ThumbnailImages : GridImageList {
  std::optional<QSize> ImageSize(int image) const override {
    return image < 3 ? std::optional<QSize>(QSize(113, 120)) : std::nullopt;
  }
};

}  // namespace

class TestGridCells : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void appendRowOnGridWithoutColumns();
  void appendRowClearsSelectionFocusAndSnapshot();
  void newRowsAndColumnsTakeDefaultSizes();
  void setRowCountOneKeepsHeader();
  void sortArrow_data();
  void sortArrow();
  void outsideTheGrid_data();
  void outsideTheGrid();
  void fixedCountsSetAndClearFixedBits();
  void applyItemInfoAppliesStateLast();
  void defaultCellsHoldRegionDefaults();
  void desktopChangesReachTheDefaults();
  void defaultCellMeasuring_data();
  void defaultCellMeasuring();
  void fitRow_data();
  void fitRow();
  void fitColumn_data();
  void fitColumn();
};

void TestGridCells::appendRowOnGridWithoutColumns() {
  CGridCtrl grid;
  QCOMPARE(grid.AppendRow(), 0);
  QCOMPARE(grid.GetColumnCount(), 1);
  QCOMPARE(grid.GetRowCount(), 1);
  QVERIFY(grid.CellAt(0, 0) != nullptr);
  QCOMPARE(grid.GetCellText(0, 0), QString());
  QVERIFY(grid.GetCellState(0, 0) & CELL_MODIFIED);
  QCOMPARE(grid.AppendRow(), 1);
}

void TestGridCells::appendRowClearsSelectionFocusAndSnapshot() {
  auto grid = tests::MakeAlbumTable({"a", "b", "c"});
  grid->SetAnchorCell(CCellID(1, 0));
  grid->SelectRowSpan(true, CCellID(2, 0));
  grid->SnapshotSelection();
  grid->SetFocusCell(2, 1);
  QCOMPARE(tests::TickedRows(*grid), QList<int>({1, 2}));

  const int row = grid->AppendRow();
  QCOMPARE(row, 4);
  QCOMPARE(tests::TickedRows(*grid), QList<int>());
  QCOMPARE(grid->GetFocusCell(), CCellID());
  QVERIFY(!(grid->GetCellState(2, 1) & CELL_FOCUSED));
  QCOMPARE(grid->GetSelectedSpan(), CCellSpan(5, 6, -1, -1));
  // The Ctrl-click snapshot went too: a new selection does not bring rows 1, 2 back.
  grid->SetAnchorCell(CCellID(row, 0));
  grid->SelectRowSpan(true, CCellID(row, 0));
  QCOMPARE(tests::TickedRows(*grid), QList<int>({row}));
}

void TestGridCells::newRowsAndColumnsTakeDefaultSizes() {
  CGridCtrl grid;
  grid.m_cellNormal.SetHeight(20);
  grid.m_cellFixedRow.SetHeight(30);
  grid.m_cellFixedCol.SetWidth(77);
  QVERIFY(grid.SetColumnCount(2));
  QVERIFY(grid.SetRowCount(2));
  QCOMPARE(grid.AppendRow(), 2);
  QCOMPARE(grid.GetRowHeight(0), 20);
  QCOMPARE(grid.GetRowHeight(1), 20);
  QCOMPARE(grid.GetRowHeight(2), 30);
  QCOMPARE(grid.GetColumnWidth(0), 77);
  QCOMPARE(grid.GetColumnWidth(1), 77);
}

void TestGridCells::setRowCountOneKeepsHeader() {
  auto grid = tests::MakeAlbumTable({"b", "a"});
  grid->SortOnColumn(1, true);
  QVERIFY(grid->SetRowCount(3));  // the current count changes nothing
  QCOMPARE(grid->GetSortColumn(), 1);

  QVERIFY(grid->SetRowCount(1));
  QCOMPARE(grid->GetRowCount(), 1);
  QCOMPARE(grid->GetFixedRowCount(), 1);
  QCOMPARE(tests::ColumnTexts(*grid, 1), QStringList({"名称"}));
  QCOMPARE(grid->GetCellText(0, 0), QStringLiteral("序号"));
  const QList<int> widths{50, 575, 50, 100, 0, 0};
  for (int col = 0; col < 6; ++col) {
    QCOMPARE(grid->GetColumnWidth(col), widths[col]);
  }
  QCOMPARE(grid->GetSortColumn(), -1);
  QVERIFY(grid->CellAt(0, 1)->IsFixedRow());
  QCOMPARE(grid->AppendRow(), 1);
}

void TestGridCells::sortArrow_data() {
  QTest::addColumn<QString>("change");
  QTest::addColumn<int>("col");
  QTest::addColumn<bool>("dropped");
  QTest::newRow("text, sorted column") << "text" << 1 << true;
  QTest::newRow("text, other column") << "text" << 2 << false;
  QTest::newRow("aligned text, sorted column") << "aligned" << 1 << true;
  QTest::newRow("aligned text, other column") << "aligned" << 0 << false;
  QTest::newRow("image, sorted column") << "image" << 1 << true;
  QTest::newRow("image, other column") << "image" << 3 << false;
  QTest::newRow("item info, sorted column") << "info" << 1 << true;
  QTest::newRow("item info, other column") << "info" << 2 << false;
  QTest::newRow("cell's own setter") << "cell" << 1 << false;
  QTest::newRow("appended row") << "append" << 1 << true;
}

void TestGridCells::sortArrow() {
  QFETCH(QString, change);
  QFETCH(int, col);
  QFETCH(bool, dropped);
  auto grid = tests::MakeAlbumTable({"b", "a", "c"});
  tests::RecordingObserver observer;
  grid->SetObserver(&observer);
  grid->SortOnColumn(1, true);
  observer.changedCells.clear();

  if (change == "text") {
    QVERIFY(grid->SetCellText(2, col, "x"));
  } else if (change == "aligned") {
    QVERIFY(grid->FormatCellTextAligned(2, col, DT_CENTER, "x"));
  } else if (change == "image") {
    QVERIFY(grid->SetCellImage(2, col, 0));
  } else if (change == "info") {
    GRIDITEMINFO info;
    info.row = 2;
    info.col = col;
    info.mask = ITEM_DATA;
    info.data = 9;
    QVERIFY(grid->ApplyItemInfo(info));
  } else if (change == "cell") {
    grid->CellAt(2, col)->SetText("x");
  } else {
    grid->AppendRow();
  }
  QCOMPARE(grid->GetSortColumn(), dropped ? -1 : 1);
  QCOMPARE(observer.changedCells.contains(CCellID(0, 1)), dropped);
}

void TestGridCells::outsideTheGrid_data() {
  QTest::addColumn<int>("row");
  QTest::addColumn<int>("col");
  QTest::newRow("negative row") << -1 << 0;
  QTest::newRow("negative column") << 0 << -1;
  QTest::newRow("row past the end") << 3 << 0;
  QTest::newRow("column past the end") << 0 << 6;
  QTest::newRow("far away") << 1 << 65536 + 1;
}

void TestGridCells::outsideTheGrid() {
  QFETCH(int, row);
  QFETCH(int, col);
  auto grid = tests::MakeAlbumTable({"a", "b"});
  QVERIFY(grid->CellAt(row, col) == nullptr);
  QVERIFY(!grid->SetCellText(row, col, "x"));
  QVERIFY(!grid->SetCellImage(row, col, 1));
  QVERIFY(!grid->SetCellState(row, col, CELL_SELECTED));
  QVERIFY(!grid->FormatCellTextAligned(row, col, 0, "x"));
  GRIDITEMINFO info;
  info.row = row;
  info.col = col;
  info.mask = ITEM_TEXT;
  QVERIFY(!grid->ApplyItemInfo(info));
  QCOMPARE(grid->GetCellText(row, col), QString());
  QCOMPARE(grid->GetCellState(row, col), 0u);
  std::unique_ptr<CGridCellBase> cell = std::make_unique<CGridCell>();
  QVERIFY(!grid->PutCell(row, col, cell));
  QVERIFY(cell != nullptr);
  QCOMPARE(grid->GetSelectedSpan(), CCellSpan(3, 6, -1, -1));
}

void TestGridCells::fixedCountsSetAndClearFixedBits() {
  CGridCtrl grid;
  grid.SetColumnCount(2);
  QVERIFY(grid.SetFixedRowCount(2));  // grows the grid to hold them
  QCOMPARE(grid.GetRowCount(), 2);
  grid.SetRowCount(3);
  grid.SetFixedColumnCount(1);
  const quint32 fixedBits = CELL_FIXED | CELL_FIXEDROW | CELL_FIXEDCOL;
  QCOMPARE(grid.GetCellState(0, 0) & fixedBits, quint32(fixedBits));
  QCOMPARE(grid.CellAt(0, 0)->GetDefaultCell(), &grid.m_cellCorner);
  QCOMPARE(grid.CellAt(1, 1)->GetDefaultCell(), &grid.m_cellFixedRow);
  QCOMPARE(grid.CellAt(2, 0)->GetDefaultCell(), &grid.m_cellFixedCol);
  QCOMPARE(grid.CellAt(2, 1)->GetDefaultCell(), &grid.m_cellNormal);

  grid.CellAt(2, 0)->SetBackColor(RgbColor(1, 2, 3));
  grid.CellAt(0, 0)->SetBackColor(RgbColor(1, 2, 3));
  QVERIFY(grid.SetFixedRowCount(1));
  QCOMPARE(grid.GetCellState(1, 0) & fixedBits, quint32(CELL_FIXED | CELL_FIXEDCOL));
  QCOMPARE(grid.GetCellState(1, 1) & fixedBits, 0u);
  QVERIFY(grid.SetFixedColumnCount(0));
  QCOMPARE(grid.GetCellState(0, 0) & fixedBits, quint32(CELL_FIXED | CELL_FIXEDROW));
  QCOMPARE(grid.GetCellState(2, 0) & fixedBits, 0u);
  // Cells leaving a fixed column below the header lose their header colours.
  QCOMPARE(grid.CellAt(2, 0)->GetBackColor(), CLR_DEFAULT);
  QCOMPARE(grid.CellAt(0, 0)->GetBackColor(), RgbColor(1, 2, 3));
}

void TestGridCells::applyItemInfoAppliesStateLast() {
  auto grid = tests::MakeAlbumTable({"a", "b"});
  GRIDITEMINFO info;
  info.row = 2;
  info.col = 3;
  info.mask = ITEM_TEXT | ITEM_STATE | ITEM_FONT | ITEM_MARGIN | ITEM_BACKCOLOR;
  info.text = "x";
  info.state = CELL_SELECTED;
  info.font = CellFont{"Serif", 12, 700, true};
  info.margin = 2;
  info.backColor = RgbColor(9, 9, 9);
  QVERIFY(grid->ApplyItemInfo(info));
  const CGridCellBase* cell = grid->CellAt(2, 3);
  QCOMPARE(cell->GetText(), QStringLiteral("x"));
  // The modified mark comes first, so the given state replaces it.
  QCOMPARE(cell->GetState(), quint32(CELL_SELECTED));
  QCOMPARE(grid->GetSelectedSpan(), CCellSpan(2, 3, 2, 3));
  QCOMPARE(cell->GetFont(), (CellFont{"Serif", 12, 700, true}));
  QVERIFY(!cell->UsesDefaultFont());
  QCOMPARE(cell->GetMargin(), 2);
  QCOMPARE(cell->GetBackColor(), RgbColor(9, 9, 9));
  QCOMPARE(cell->GetTextColor(), CLR_DEFAULT);
}

void TestGridCells::defaultCellsHoldRegionDefaults() {
  CGridCtrl grid;
  grid.m_cellNormal.SetState(CELL_SELECTED);
  grid.m_cellNormal.SetData(5);
  QCOMPARE(grid.m_cellNormal.GetState(), quint32(CELL_READONLY));
  QCOMPARE(grid.m_cellNormal.GetData(), qintptr(0));
  QCOMPARE(grid.m_cellNormal.GetFormat(), quint32(0x8824));

  grid.SetRowCount(1);
  grid.SetColumnCount(1);
  CGridCellBase* cell = grid.CellAt(0, 0);
  QCOMPARE(cell->GetFormat(), quint32(0x8824));
  QVERIFY(cell->UsesDefaultFont());
  grid.m_cellNormal.SetFont(CellFont{"Mono", 10, 400, false});
  QCOMPARE(cell->GetFont().family, QStringLiteral("Mono"));
  grid.m_cellNormal.SetMargin(11);
  QCOMPARE(cell->GetMargin(), 11);
  QCOMPARE(cell->GetTextColor(), CLR_DEFAULT);
  QVERIFY(grid.IsCellEditable(0, 0));
  grid.m_bEditable = false;
  QVERIFY(!grid.IsCellEditable(0, 0));
}

void TestGridCells::desktopChangesReachTheDefaults() {
  // A window's font metrics: everything twice as wide as the core's.
  struct WideMeasurer : DefaultTextMeasurer {
    QSize TextExtent(const QString& text, const CellFont& font) const override {
      const QSize size = DefaultTextMeasurer::TextExtent(text, font);
      return QSize(2 * size.width(), size.height());
    }
    CellFont MessageFont() const override { return CellFont{"Noto Sans CJK SC", 9, 400, false}; }
  };
  CGridCtrl grid;
  WideMeasurer measurer;
  grid.SetTextMeasurer(&measurer);
  QCOMPARE(grid.m_cellNormal.GetFont().family, QStringLiteral("Noto Sans CJK SC"));
  QCOMPARE(grid.m_cellNormal.GetMargin(), 12);
  QCOMPARE(grid.m_cellCorner.GetSize(), QSize(168, 18));

  grid.m_cellFixedRow.SetBackColor(RgbColor(1, 2, 3));
  GridSystemColors dark;
  dark.windowText = RgbColor(230, 230, 230);
  dark.window = RgbColor(30, 30, 30);
  dark.shadow3d = RgbColor(10, 10, 10);
  grid.SetSystemColors(dark);
  QCOMPARE(grid.m_cellNormal.GetTextColor(), dark.windowText);
  QCOMPARE(grid.m_cellNormal.GetBackColor(), dark.window);
  QCOMPARE(grid.m_cellFixedRow.GetTextColor(), dark.windowText);
  QCOMPARE(grid.m_cellFixedRow.GetBackColor(), RgbColor(1, 2, 3));  // chosen, not inherited
  QCOMPARE(grid.m_crGridBack, dark.shadow3d);
}

void TestGridCells::defaultCellMeasuring_data() {
  QTest::addColumn<bool>("measurer");
  QTest::addColumn<int>("pointSize");
  QTest::addColumn<int>("margin");
  QTest::addColumn<QSize>("size");
  // A 9-point line is 12 pixels: " " is 6 wide, " XXXXXXXXXXXX " 14 × 6.
  QTest::newRow("message font") << true << 9 << 6 << QSize(84, 18);
  QTest::newRow("12 points") << true << 12 << 8 << QSize(112, 24);
  QTest::newRow("nothing measures") << false << 9 << 3 << QSize(40, 16);
}

void TestGridCells::defaultCellMeasuring() {
  QFETCH(bool, measurer);
  QFETCH(int, pointSize);
  QFETCH(int, margin);
  QFETCH(QSize, size);
  CGridCtrl grid;
  if (!measurer) {
    grid.SetTextMeasurer(nullptr);
  }
  grid.m_cellFixedRow.SetFont(CellFont{"Sans", pointSize, 400, false});
  QCOMPARE(grid.m_cellFixedRow.GetMargin(), margin);
  QCOMPARE(grid.m_cellFixedRow.GetSize(), size);
}

void TestGridCells::fitRow_data() {
  QTest::addColumn<int>("row");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("image");
  QTest::addColumn<bool>("imageAboveText");
  QTest::addColumn<int>("height");
  // Margin 8, a 12-pixel line: 12 + 2 × 8 + 1, and one more in the header.
  QTest::newRow("header") << 0 << "名称" << -1 << false << 30;
  QTest::newRow("data row") << 1 << "name" << -1 << false << 29;
  // Empty cells measure as the default cell (84 × 18).
  QTest::newRow("empty row") << 1 << "" << -1 << false << 19;
  QTest::newRow("picture beside the text") << 1 << "name" << 0 << false << 120 + 16 + 1;
  QTest::newRow("picture above the text") << 1 << "name" << 0 << true << 28 + 120 + 16 + 1;
  QTest::newRow("picture the list lacks") << 1 << "name" << 7 << true << 29;
}

void TestGridCells::fitRow() {
  QFETCH(int, row);
  QFETCH(QString, text);
  QFETCH(int, image);
  QFETCH(bool, imageAboveText);
  QFETCH(int, height);
  auto grid = tests::MakeAlbumTable({""});
  ThumbnailImages images;
  grid->SetImageList(&images);
  for (int col = 0; col < grid->GetColumnCount(); ++col) {
    grid->SetCellText(row, col, text);
  }
  grid->SetCellImage(row, 1, image);
  grid->CellAt(row, 1)->SetImageAboveText(imageAboveText);
  QVERIFY(grid->FitRow(row));
  QCOMPARE(grid->GetRowHeight(row), height);
}

void TestGridCells::fitColumn_data() {
  QTest::addColumn<int>("col");
  QTest::addColumn<int>("style");
  QTest::addColumn<bool>("fitted");
  QTest::addColumn<int>("width");
  // "序号" is 24 wide: 24 + 16 + 1 + 1 (fixed) = 42, so 43. "abcdefgh": 48 + 17 = 65, so 66.
  QTest::newRow("header only") << 0 << int(CGridCtrl::FIT_HEADER) << true << 43;
  QTest::newRow("data only") << 0 << int(CGridCtrl::FIT_DATA) << true << 66;
  QTest::newRow("fit style: both") << 0 << 0 << true << 66;
  QTest::newRow("hidden column stays hidden") << 4 << 0 << false << 0;
  QTest::newRow("unknown style") << 0 << 4 << false << 50;
  QTest::newRow("no such column") << 6 << 0 << false << -1;
}

void TestGridCells::fitColumn() {
  QFETCH(int, col);
  QFETCH(int, style);
  QFETCH(bool, fitted);
  QFETCH(int, width);
  auto grid = tests::MakeAlbumTable({"a", "b"});
  grid->SetCellText(0, 4, "wide header");
  grid->SetCellText(2, 0, "abcdefgh");
  grid->SetCellText(2, 4, "abcdefgh");
  QCOMPARE(grid->FitColumn(col, style), fitted);
  QCOMPARE(grid->GetColumnWidth(col), width);
}

namespace tests {
int RunGridCellsTests(int argc, char** argv) {
  TestGridCells test;
  return QTest::qExec(&test, argc, argv);
}
}  // namespace tests

}  // namespace lumvane

#include "TestGridCells.moc"
