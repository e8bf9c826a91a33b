#pragma once
// How the catalogue tests look at the album table after a job.

#include <QList>
#include <QString>
#include <QStringList>

namespace lumvane {
class TestSession;
}

namespace lumvane::tests {

// The four visible cells of the row numbered `number` (from 1).
QStringList RowCells(int number, const QString& name, const QString& count, const QString& note = QString());
// The count column's text for a reported count: four places, right-aligned.
QString CountCell(int count);
// Column 0's item data of every data row, in row order.
QList<qintptr> RowAlbumIndexes(TestSession& session);
// 0, 1, …, count − 1.
QList<qintptr> FirstIndexes(int count);

}  // namespace lumvane::tests
