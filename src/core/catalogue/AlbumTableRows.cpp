#include "catalogue/AlbumTableRows.h"

#include "app/ControlIds.h"
#include "app/LumvaneDlg.h"
#include "table/MyGridCtrl.h"

namespace lumvane {
namespace {

struct ColumnSpec {
  const char16_t* header;
  int width;
};
constexpr ColumnSpec kColumns[] = {
    {u"序号", 50}, {u"名称", 575}, {u"数量", 50}, {u"备注", 100}, {u"", 0}, {u"", 0},
};
constexpr int kColumnCount = 6;
constexpr int kCellMargin = 8;

}  // namespace

void TickAlbumRows(CMyGridCtrl& table, const std::vector<int>& numbers) {
  if (numbers.empty()) {
    table.SelectAllCells();
    return;
  }
  table.ClearSelection();
  for (int number : numbers) {
    const int row = table.GetFixedRowCount() + number - 1;
    if (row < table.GetFixedRowCount() || row >= table.GetRowCount()) continue;
    for (int col = 0; col < table.GetColumnCount(); ++col) {
      table.SetCellState(row, col, table.GetCellState(row, col) | CELL_SELECTED);
    }
  }
}

QString AlbumCountText(const ST_PERLISTRECORD& record) {
  if (record.nPhotoCount == -1) return QStringLiteral("未知");
  return QString::asprintf("%4u", static_cast<unsigned>(record.nPhotoCount));
}

QString AlbumKindText(const ST_PERLISTRECORD& record) {
  if (record.nFlags & ALBUM_NUMBER) return QString::asprintf("%08u", record.nFlags & ~ALBUM_NUMBER);
  if (record.nFlags & ALBUM_PASSWORD) return QStringLiteral("加密相册");
  if (record.nFlags & ALBUM_PRIVATE) return QStringLiteral("私密相册");
  if (record.nFlags & ALBUM_FRIENDS) return QStringLiteral("好友可见");
  return {};
}

void ResetAlbumTable(CLumvaneDlg& dlg) {
  dlg.Port().SetChecked(IDC_SELECT_ALL, false);
  dlg.Port().WithTable([](CMyGridCtrl& table) {
    table.m_bDrawingOn = false;
    table.ClearGrid();
    for (CGridDefaultCell* cell :
         {&table.m_cellNormal, &table.m_cellFixedRow, &table.m_cellFixedCol, &table.m_cellCorner}) {
      cell->SetMargin(kCellMargin);
    }
    table.PrepareTable(1, 1, kColumnCount, true);
    for (int c = 0; c < kColumnCount; ++c) {
      table.SetCellText(0, c, QString::fromUtf16(kColumns[c].header));
      table.SetColumnWidth(c, kColumns[c].width);
    }
    table.FitAllRows();
    table.m_bDrawingOn = true;
    table.Repaint();
  });
}

void ShowAlbumRow(CLumvaneDlg& dlg, int index) {
  const ST_PERLISTRECORD& record = dlg.Albums.At(index);
  if (!dlg.RowFilter.isEmpty() && !record.strName.contains(dlg.RowFilter)) return;
  const QString cells[kColumnCount] = {
      {}, record.strName, AlbumCountText(record), AlbumKindText(record), {}, {},
  };
  dlg.Port().WithTable([&](CMyGridCtrl& table) {
    const int row = table.AppendRow();
    if (row < 0) return;
    table.SetCellText(row, 0, QString::asprintf("%04d", row));
    table.CellAt(row, 0)->SetData(index);
    table.SetCellState(row, 0, table.GetCellState(row, 0) | CELL_MODIFIED);
    for (int c = 1; c < kColumnCount; ++c) table.SetCellText(row, c, cells[c]);
  });
}

}  // namespace lumvane
