#pragma once
// Readers that turn Renren pages into album records: the user's whole album
// list (newer v7 page, classic paged list) or one album's own page (newer
// and classic layout).

#include <QString>

namespace lumvane {

class CLumvaneDlg;

void ReadAlbumListV7(const QString& userId, CLumvaneDlg& dlg);
void ReadAlbumList(const QString& userId, CLumvaneDlg& dlg);
void ReadAlbumPageV7(const QString& address, CLumvaneDlg& dlg);
void ReadAlbumPage(const QString& address, CLumvaneDlg& dlg);

}  // namespace lumvane
