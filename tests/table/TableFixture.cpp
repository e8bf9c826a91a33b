#include "TableFixture.h"

#include <QTest>

#include "table/GridCellBase.h"

namespace lumvane::tests {

std::unique_ptr<CMyGridCtrl> MakeAlbumTable(const QStringList& names) {
  auto grid = std::make_unique<CMyGridCtrl>();
  for (CGridDefaultCell* cell :
       {&grid->m_cellNormal, &grid->m_cellFixedRow, &grid->m_cellFixedCol, &grid->m_cellCorner}) {
    cell->SetMargin(8);
  }
  grid->PrepareTable(1, 1, 6, true);
  const QStringList headers{"序号", "名称", "数量", "备注", "", ""};
  const QList<int> widths{50, 575, 50, 100, 0, 0};
  for (int col = 0; col < 6; ++col) {
    grid->SetCellText(0, col, headers[col]);
    grid->SetColumnWidth(col, widths[col]);
  }
  for (int index = 0; index < names.size(); ++index) {
    const int row = grid->AppendRow();
    grid->SetCellText(row, 0, QString::asprintf("%04d", row));
    grid->CellAt(row, 0)->SetData(index);
    grid->SetCellText(row, 1, names[index]);
  }
  return grid;
}

QStringList ColumnTexts(const CGridCtrl& grid, int col) {
  QStringList texts;
  for (int row = 0; row < grid.GetRowCount(); ++row) {
    texts << grid.GetCellText(row, col);
  }
  return texts;
}

QList<qintptr> RowData(const CGridCtrl& grid) {
  QList<qintptr> data;
  for (int row = grid.GetFixedRowCount(); row < grid.GetRowCount(); ++row) {
    data << grid.CellAt(row, 0)->GetData();
  }
  return data;
}

QList<int> TickedRows(const CGridCtrl& grid) {
  QList<int> rows;
  for (int row = grid.NextSelectedRow(grid.GetFixedRowCount() - 1); row != -1; row = grid.NextSelectedRow(row)) {
    rows << row;
  }
  return rows;
}

}  // namespace lumvane::tests

namespace lumvane {

char* toString(const CCellID& cell) { return QTest::toString(QString::asprintf("(%d, %d)", cell.row, cell.col)); }

char* toString(const CCellSpan& span) {
  return QTest::toString(QString::asprintf("(%d, %d)-(%d, %d)", span.minRow, span.minCol, span.maxRow, span.maxCol));
}

}  // namespace lumvane
