#include "table/MyGridCtrl.h"

#include <QFile>
#include <algorithm>

#include "text/CodePage.h"

namespace lumvane {

namespace {

constexpr GridColor kSelectionBack = RgbColor(199, 227, 227);

// Per code unit, so that positions and lengths stay those of the cell text.
QString LowerCodeUnits(QString text) {
  for (QChar& ch : text) {
    ch = ch.toLower();
  }
  return text;
}

// Fields are never quoted: apostrophes go, quotes double, and a comma is
// fenced by apostrophes so that spreadsheet readers keep it in the field.
QString CsvField(QString text) {
  text.remove(QLatin1Char('\''));
  text.replace(QLatin1Char('"'), QLatin1String("\"\""));
  text.replace(QLatin1Char(','), QLatin1String("','"));
  return text;
}

}  // namespace

void CMyGridCtrl::PrepareTable(int fixedRows, int rows, int cols, bool rowMode) {
  m_bSortOnHeaderClick = true;
  SetFixedRowCount(fixedRows);
  SetFixedColumnCount(0);
  SetRowCount(rows);
  SetColumnCount(cols);
  m_bFixedRowSelection = false;
  m_crSelFocusText = RgbColor(0, 0, 0);
  m_crSelText = RgbColor(0, 0, 0);
  m_bFrameFocusCell = false;
  m_bEditable = false;
  m_crSelFocusBack = kSelectionBack;
  m_crSelBack = kSelectionBack;
  m_crGridBack = RgbColor(255, 255, 255);
  m_bSingleColSelection = true;
  m_bDragSelection = true;
  SetRowMode(rowMode);
}

bool CMyGridCtrl::FindInTable(int startRow, QString& keyword, bool forward, bool ignoreCase, bool wholeCell) {
  if (keyword.isEmpty()) {
    if (showMessage_) {
      showMessage_(QStringLiteral("关键字不能为空"));
    }
    return true;
  }
  if (ignoreCase) {
    keyword = LowerCodeUnits(keyword);
  }
  const int step = forward ? 1 : -1;
  const int end = forward ? GetRowCount() : GetFixedRowCount() - 1;
  // Any start, however far outside the table, is only a place to begin.
  const int first = static_cast<int>(std::clamp<qint64>(qint64(startRow) + step, -1, GetRowCount()));
  for (int row = first; forward ? row < end : row > end; row += step) {
    for (int col = 0; col < GetColumnCount(); ++col) {
      const QString text = ignoreCase ? LowerCodeUnits(GetCellText(row, col)) : GetCellText(row, col);
      if (wholeCell ? text == keyword : text.contains(keyword)) {
        SelectRowAndReveal(row);
        return true;
      }
    }
  }
  return false;
}

QByteArray CMyGridCtrl::CsvBytes() const {
  QByteArray bytes;
  for (int row = 1; row < GetRowCount(); ++row) {
    QString line;
    for (int col = 0; col < GetColumnCount(); ++col) {
      line += CsvField(GetCellText(row, col));
      line += QLatin1Char(',');
    }
    bytes += ToGbk(line);
    bytes += "\r\n";
  }
  return bytes;
}

bool CMyGridCtrl::ExportCsv(const QString& path) const {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    return false;
  }
  const QByteArray bytes = CsvBytes();
  return file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace lumvane
