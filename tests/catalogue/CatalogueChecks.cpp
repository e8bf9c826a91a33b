#include "CatalogueChecks.h"

#include "support/TestSession.h"
#include "table/GridCellBase.h"
#include "table/MyGridCtrl.h"

namespace lumvane::tests {

QStringList RowCells(int number, const QString& name, const QString& count, const QString& note) {
  return {QString::number(number).rightJustified(4, u'0'), name, count, note};
}

QString CountCell(int count) { return QString::number(count).rightJustified(4, u' '); }

QList<qintptr> RowAlbumIndexes(TestSession& session) {
  QList<qintptr> indexes;
  session.port.WithTable([&](CMyGridCtrl& table) {
    for (int row = table.GetFixedRowCount(); row < table.GetRowCount(); ++row) {
      indexes.append(table.CellAt(row, 0)->GetData());
    }
  });
  return indexes;
}

QList<qintptr> FirstIndexes(int count) {
  QList<qintptr> indexes;
  for (int i = 0; i < count; ++i) indexes.append(i);
  return indexes;
}

}  // namespace lumvane::tests
