#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "TableFixture.h"
#include "TableTestRunners.h"
#include "table/GridCellBase.h"

namespace lumvane {

class TestAlbumTable : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void prepareTable_data();
  void prepareTable();
  void findInTable_data();
  void findInTable();
  void csvBytes_data();
  void csvBytes();
  void exportCsvReplacesTheFile();
  void exportCsvOfHeaderOnlyIsEmpty();
  void exportCsvToUnopenablePath();
};

void TestAlbumTable::prepareTable_data() {
  QTest::addColumn<int>("fixedRows");
  QTest::addColumn<int>("rows");
  QTest::addColumn<int>("cols");
  QTest::addColumn<bool>("rowMode");
  QTest::newRow("list view") << 1 << 1 << 6 << true;
  QTest::newRow("thumbnail view") << 0 << 0 << 5 << false;
}

void TestAlbumTable::prepareTable() {
  QFETCH(int, fixedRows);
  QFETCH(int, rows);
  QFETCH(int, cols);
  QFETCH(bool, rowMode);
  // A table that was in use: ticks, focus, a sort.
  auto grid = tests::MakeAlbumTable({"b", "a"});
  grid->SortOnColumn(1, true);
  grid->SetFocusCell(1, 1);
  grid->SelectAllCells();
  grid->SnapshotSelection();
  grid->ClearGrid();
  QCOMPARE(grid->GetSortColumn(), -1);

  grid->PrepareTable(fixedRows, rows, cols, rowMode);
  QCOMPARE(grid->GetFixedRowCount(), fixedRows);
  QCOMPARE(grid->GetFixedColumnCount(), 0);
  QCOMPARE(grid->GetRowCount(), rows);
  QCOMPARE(grid->GetColumnCount(), cols);
  QCOMPARE(grid->GetRowMode(), rowMode);
  QVERIFY(grid->m_bSortOnHeaderClick);
  QVERIFY(!grid->m_bFixedRowSelection);
  QVERIFY(!grid->m_bFixedColumnSelection);
  QVERIFY(!grid->m_bFrameFocusCell);
  QVERIFY(!grid->m_bEditable);
  QVERIFY(grid->m_bSingleColSelection);
  QVERIFY(grid->m_bDragSelection);
  QCOMPARE(grid->m_crSelText, GridColor(0x000000));
  QCOMPARE(grid->m_crSelFocusText, GridColor(0x000000));
  QCOMPARE(grid->m_crSelBack, GridColor(0xE3E3C7));
  QCOMPARE(grid->m_crSelFocusBack, GridColor(0xE3E3C7));
  QCOMPARE(grid->m_crGridBack, GridColor(0xFFFFFF));
  QCOMPARE(grid->GetFocusCell(), CCellID());
  QCOMPARE(grid->GetSelectedSpan(), CCellSpan(rows, cols, -1, -1));
  for (int col = 0; col < cols; ++col) {
    QCOMPARE(grid->GetColumnWidth(col), grid->m_cellFixedCol.GetWidth());
    if (rows > 0) {
      QCOMPARE(grid->CellAt(0, col)->IsFixedRow(), fixedRows > 0);
    }
  }
  // The Ctrl-click snapshot of the old table must not come back.
  if (rows > 0) {
    grid->AppendRow();
  }
  grid->SelectAllCells();
  QCOMPARE(grid->GetSelectedSpan().minRow, rows > 0 ? 1 : rows);
}

// Rows 1 to 5 of an album table; column 0 holds "0001" to "0005".
void TestAlbumTable::findInTable_data() {
  QTest::addColumn<int>("start");
  QTest::addColumn<QString>("keyword");
  QTest::addColumn<bool>("forward");
  QTest::addColumn<bool>("ignoreCase");
  QTest::addColumn<bool>("wholeCell");
  QTest::addColumn<bool>("found");
  QTest::addColumn<int>("row");
  QTest::addColumn<QString>("keywordAfter");
  QTest::addColumn<QString>("message");
  QTest::newRow("any case finds ABC") << 0 << "abc" << true << true << false << true << 2 << "abc"
                                      << "";
  QTest::newRow("match case skips ABC") << 0 << "abc" << true << false << false << true << 3 << "abc"
                                        << "";
  QTest::newRow("keyword lower-cased in place") << 0 << "ABC" << true << true << false << true << 2 << "abc"
                                                << "";
  QTest::newRow("whole cell") << 0 << "abc" << true << true << true << true << 3 << "abc"
                              << "";
  QTest::newRow("whole cell, any case") << 0 << "AbC" << true << true << true << true << 3 << "abc"
                                        << "";
  QTest::newRow("from below the selected row") << 3 << "abc" << true << false << false << true << 4 << "abc"
                                               << "";
  QTest::newRow("backward from no selection") << 6 << "abc" << false << false << false << true << 4 << "abc"
                                              << "";
  QTest::newRow("backward never reaches the header") << 3 << "名称" << false << false << false << false << -1 << "名称"
                                                     << "";
  QTest::newRow("no wrap-around") << 4 << "Alpha" << true << false << false << false << -1 << "Alpha"
                                  << "";
  QTest::newRow("the number column counts") << 0 << "0003" << true << false << true << true << 3 << "0003"
                                            << "";
  QTest::newRow("start far below the table") << 2147483647 << "abc" << false << false << true << true << 3 << "abc"
                                             << "";
  QTest::newRow("Chinese substring") << 0 << "相册" << true << false << false << true << 5 << "相册"
                                     << "";
  // The caller must not search again from the other end: it counts as found.
  QTest::newRow("empty keyword") << 0 << "" << true << true << false << true << -1 << ""
                                 << "关键字不能为空";
}

void TestAlbumTable::findInTable() {
  QFETCH(int, start);
  QFETCH(QString, keyword);
  QFETCH(bool, forward);
  QFETCH(bool, ignoreCase);
  QFETCH(bool, wholeCell);
  QFETCH(bool, found);
  QFETCH(int, row);
  QFETCH(QString, keywordAfter);
  QFETCH(QString, message);
  auto grid = tests::MakeAlbumTable({"Alpha", "ABC album", "abc", "xabcx", "旅行相册"});
  grid->m_bExclusiveClick = true;
  grid->SetAnchorCell(CCellID(1, 0));
  grid->SelectRowSpan(true, CCellID(1, 0));
  QStringList messages;
  grid->SetMessageHandler([&messages](const QString& text) { messages << text; });

  QCOMPARE(grid->FindInTable(start, keyword, forward, ignoreCase, wholeCell), found);
  QCOMPARE(keyword, keywordAfter);
  QCOMPARE(tests::TickedRows(*grid), row >= 0 ? QList<int>{row} : QList<int>{1});
  QCOMPARE(messages, message.isEmpty() ? QStringList() : QStringList{message});
}

void TestAlbumTable::csvBytes_data() {
  QTest::addColumn<QStringList>("cells");
  QTest::addColumn<QByteArray>("line");
  QTest::newRow("list view row") << QStringList{"0001", "name", "   7", "", "", ""}
                                 << QByteArray("0001,name,   7,,,,\r\n");
  QTest::newRow("apostrophes dropped") << QStringList{"it's", "'x'"} << QByteArray("its,x,,,,,\r\n");
  QTest::newRow("quotes doubled") << QStringList{"say \"hi\""} << QByteArray("say \"\"hi\"\",,,,,,\r\n");
  QTest::newRow("commas fenced by apostrophes") << QStringList{"a,b", ","} << QByteArray("a','b,',',,,,,\r\n");
  QTest::newRow("apostrophe before comma") << QStringList{"a',b"} << QByteArray("a','b,,,,,,\r\n");
  QTest::newRow("code page 936") << QStringList{"相册", "\u201C"} << QByteArray("\xCF\xE0\xB2\xE1,\xA1\xB0,,,,,\r\n");
}

void TestAlbumTable::csvBytes() {
  QFETCH(QStringList, cells);
  QFETCH(QByteArray, line);
  auto grid = tests::MakeAlbumTable({"first", "second"});
  for (int col = 0; col < 6; ++col) {
    grid->SetCellText(1, col, cells.value(col));
  }
  // The header row is never written; the second row follows on its own line.
  QCOMPARE(grid->CsvBytes(), line + "0002,second,,,,,\r\n");
}

void TestAlbumTable::exportCsvReplacesTheFile() {
  QTemporaryDir dir;
  const QString path = dir.filePath("albums.csv");
  {
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(4096, 'x'));
  }
  auto grid = tests::MakeAlbumTable({"a", "b"});
  QVERIFY(grid->ExportCsv(path));
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), QByteArray("0001,a,,,,,\r\n0002,b,,,,,\r\n"));
}

void TestAlbumTable::exportCsvOfHeaderOnlyIsEmpty() {
  QTemporaryDir dir;
  const QString path = dir.filePath("albums.csv");
  auto grid = tests::MakeAlbumTable({});
  QVERIFY(grid->ExportCsv(path));
  QVERIFY(QFile::exists(path));
  QCOMPARE(QFile(path).size(), 0);
}

void TestAlbumTable::exportCsvToUnopenablePath() {
  QTemporaryDir dir;
  auto grid = tests::MakeAlbumTable({"a"});
  QVERIFY(!grid->ExportCsv(dir.filePath("no such folder/albums.csv")));
  QVERIFY(!grid->ExportCsv(dir.path()));
}

namespace tests {
int RunAlbumTableTests(int argc, char** argv) {
  TestAlbumTable test;
  return QTest::qExec(&test, argc, argv);
}
}  // namespace tests

}  // namespace lumvane

#include "TestAlbumTable.moc"
