#include <QTest>
#include <vector>

#include "TableFixture.h"
#include "TableTestRunners.h"
#include "table/GridCellBase.h"

namespace lumvane {

namespace {

// McIlroy's adversary: decides the order of the items (item data) only as
// the sort asks, always so that the sort's pivot guess is as bad as can be.
// It drives any plain quicksort to n² comparisons.
class QuicksortAdversary {
 public:
  explicit QuicksortAdversary(int items) : value_(static_cast<size_t>(items), items), gas_(items) {}

  int Compare(const CGridCellBase* a, const CGridCellBase* b) {
    ++comparisons;
    const auto x = static_cast<size_t>(a->GetData());
    const auto y = static_cast<size_t>(b->GetData());
    if (value_[x] == gas_ && value_[y] == gas_) {
      value_[x == candidate_ ? x : y] = solid_++;
    }
    if (value_[x] == gas_) {
      candidate_ = x;
    } else if (value_[y] == gas_) {
      candidate_ = y;
    }
    return value_[x] - value_[y];
  }
  int Value(qintptr item) const { return value_[static_cast<size_t>(item)]; }

  qint64 comparisons = 0;

 private:
  std::vector<int> value_;
  int gas_;
  int solid_ = 0;
  size_t candidate_ = SIZE_MAX;
};

QStringList Numbers(int count) {
  QStringList numbers;
  for (int k = 1; k <= count; ++k) {
    numbers << QString::asprintf("%04d", k);
  }
  return numbers;
}

}  // namespace

class TestGridSort : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void sortOnColumn_data();
  void sortOnColumn();
  void equalKeysSwapNothing_data();
  void equalKeysSwapNothing();
  void headerClicks_data();
  void headerClicks();
  void nothingToSort_data();
  void nothingToSort();
  void unluckyOrderStaysNLogN();
};

void TestGridSort::sortOnColumn_data() {
  QTest::addColumn<QStringList>("names");
  QTest::addColumn<bool>("ascending");
  QTest::addColumn<QStringList>("sorted");
  QTest::newRow("ascending") << QStringList{"c", "a", "d", "b"} << true << QStringList{"a", "b", "c", "d"};
  QTest::newRow("descending") << QStringList{"c", "a", "d", "b"} << false << QStringList{"d", "c", "b", "a"};
  QTest::newRow("upper case first") << QStringList{"a", "B", "b", "A"} << true << QStringList{"A", "B", "a", "b"};
  QTest::newRow("numbers of four digits")
      << QStringList{"0010", "0002", "0100", "0001"} << true << QStringList{"0001", "0002", "0010", "0100"};
  QTest::newRow("numbers as text") << QStringList{"10", "9", "100"} << true << QStringList{"10", "100", "9"};
  QTest::newRow("code units, not code points")
      << QStringList{"\uFF21", "\U0001F600"} << true << QStringList{"\U0001F600", "\uFF21"};
  QTest::newRow("prefix first") << QStringList{"相册二", "相册"} << true << QStringList{"相册", "相册二"};
}

void TestGridSort::sortOnColumn() {
  QFETCH(QStringList, names);
  QFETCH(bool, ascending);
  QFETCH(QStringList, sorted);
  auto grid = tests::MakeAlbumTable(names);
  grid->SortOnColumn(1, ascending);
  QCOMPARE(grid->GetSortColumn(), 1);
  QCOMPARE(grid->GetSortAscending(), ascending);
  QCOMPARE(tests::ColumnTexts(*grid, 1).mid(1), sorted);
  // Whole rows move: every row still carries its album's index and number.
  for (int row = 1; row < grid->GetRowCount(); ++row) {
    const qintptr album = grid->CellAt(row, 0)->GetData();
    QCOMPARE(grid->GetCellText(row, 1), names[album]);
    QCOMPARE(grid->GetCellText(row, 0), QString::asprintf("%04d", int(album) + 1));
  }
}

void TestGridSort::equalKeysSwapNothing_data() {
  QTest::addColumn<bool>("ascending");
  QTest::newRow("ascending") << true;
  QTest::newRow("descending") << false;
}

void TestGridSort::equalKeysSwapNothing() {
  QFETCH(bool, ascending);
  auto grid = tests::MakeAlbumTable(QStringList(9, "same"));
  grid->SortOnColumn(1, ascending);
  QCOMPARE(tests::RowData(*grid), (QList<qintptr>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

void TestGridSort::headerClicks_data() {
  QTest::addColumn<QList<int>>("clicks");
  QTest::addColumn<QStringList>("names");
  QTest::addColumn<int>("sortColumn");
  QTest::addColumn<bool>("ascending");
  QTest::addColumn<bool>("ticksKept");
  QTest::newRow("column 0 renumbers only") << QList<int>{0} << QStringList{"b", "c", "a"} << -1 << true << true;
  QTest::newRow("column 1 sorts ascending") << QList<int>{1} << QStringList{"a", "b", "c"} << 1 << true << false;
  QTest::newRow("column 1 twice sorts descending")
      << QList<int>{1, 1} << QStringList{"c", "b", "a"} << 1 << false << false;
  QTest::newRow("another column starts ascending")
      << QList<int>{1, 1, 2} << QStringList{"c", "a", "b"} << 2 << true << false;
}

void TestGridSort::headerClicks() {
  QFETCH(QList<int>, clicks);
  QFETCH(QStringList, names);
  QFETCH(int, sortColumn);
  QFETCH(bool, ascending);
  QFETCH(bool, ticksKept);
  auto grid = tests::MakeAlbumTable({"b", "c", "a"});
  const QStringList counts{"3", "1", "2"};
  for (int row = 1; row <= 3; ++row) {
    grid->SetCellText(row, 2, counts[row - 1]);
  }
  // Numbers out of step with the rows, as after a sort of another table.
  grid->SetCellText(1, 0, "0009");
  grid->SetAnchorCell(CCellID(2, 0));
  grid->SelectRowSpan(true, CCellID(2, 0));

  for (const int col : clicks) {
    grid->OnHeaderClick(CCellID(0, col));
  }
  QCOMPARE(tests::ColumnTexts(*grid, 1).mid(1), names);
  QCOMPARE(tests::ColumnTexts(*grid, 0).mid(1), Numbers(3));
  QCOMPARE(grid->GetSortColumn(), sortColumn);
  QCOMPARE(grid->GetSortAscending(), ascending);
  QCOMPARE(tests::TickedRows(*grid), ticksKept ? QList<int>{2} : QList<int>());
  const QStringList original{"b", "c", "a"};
  for (int row = 1; row <= 3; ++row) {
    QCOMPARE(original[grid->CellAt(row, 0)->GetData()], grid->GetCellText(row, 1));
  }
}

void TestGridSort::nothingToSort_data() {
  QTest::addColumn<int>("col");
  QTest::addColumn<int>("low");
  QTest::addColumn<int>("high");
  QTest::newRow("column past the end") << 6 << 1 << -1;
  QTest::newRow("negative column") << -1 << 1 << -1;
  QTest::newRow("one row") << 1 << 3 << 3;
  QTest::newRow("low above high") << 1 << 3 << 2;
  QTest::newRow("high past the end") << 1 << 1 << 4;
  QTest::newRow("negative low") << 1 << -2 << 2;
}

void TestGridSort::nothingToSort() {
  QFETCH(int, col);
  QFETCH(int, low);
  QFETCH(int, high);
  auto grid = tests::MakeAlbumTable({"c", "b", "a"});
  QVERIFY(!grid->SortRowRange(CompareCellTexts, col, true, 0, low, high));
  QCOMPARE(tests::RowData(*grid), (QList<qintptr>{0, 1, 2}));
}

void TestGridSort::unluckyOrderStaysNLogN() {
  const int count = 3000;
  CGridCtrl grid;
  grid.SetColumnCount(1);
  grid.SetRowCount(count);
  for (int row = 0; row < count; ++row) {
    grid.CellAt(row, 0)->SetData(row);
  }
  QuicksortAdversary adversary(count);
  const PFNCELLCOMPARE compare = [&adversary](const CGridCellBase* a, const CGridCellBase* b, qintptr) {
    return adversary.Compare(a, b);
  };
  QVERIFY(grid.SortRowRange(compare, 0, true, 0, 0, -1));
  for (int row = 1; row < count; ++row) {
    QVERIFY(adversary.Value(grid.CellAt(row - 1, 0)->GetData()) <= adversary.Value(grid.CellAt(row, 0)->GetData()));
  }
  // n log2 n is about 35 000 here, a quadratic sort passes 2 000 000.
  QVERIFY2(adversary.comparisons < 20 * 35000, qPrintable(QString::number(adversary.comparisons)));
}

namespace tests {
int RunGridSortTests(int argc, char** argv) {
  TestGridSort test;
  return QTest::qExec(&test, argc, argv);
}
}  // namespace tests

}  // namespace lumvane

#include "TestGridSort.moc"
