#pragma once
// The album table's list view: its columns, its reset and one album's row.

#include <QString>
#include <vector>

#include "catalogue/AlbumRecord.h"

namespace lumvane {

class CLumvaneDlg;
class CMyGridCtrl;

// Rebuilds the empty table: header row "序号", "名称", "数量", "备注".
void ResetAlbumTable(CLumvaneDlg& dlg);
// Appends the row of album `index` unless the row filter hides it.
void ShowAlbumRow(CLumvaneDlg& dlg, int index);

// Ticks the rows numbered `numbers` (as the table numbers them, from 1;
// numbers past the last row are passed over), or every row when it is empty.
void TickAlbumRows(CMyGridCtrl& table, const std::vector<int>& numbers);

// "未知" or "%4u" of the picture count.
QString AlbumCountText(const ST_PERLISTRECORD& record);
// "加密相册", "私密相册", "好友可见", a number, or empty.
QString AlbumKindText(const ST_PERLISTRECORD& record);

}  // namespace lumvane
