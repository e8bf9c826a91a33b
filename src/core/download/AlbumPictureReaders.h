#pragma once
// Readers that turn one album into picture records for the batch.

namespace lumvane {

class CLumvaneDlg;

void ReadRenrenAlbumV7(CLumvaneDlg& dlg, int albumIndex);
void ReadRenrenAlbumAjax(CLumvaneDlg& dlg, int albumIndex);
void ReadRenrenAlbumPage(CLumvaneDlg& dlg, int albumIndex);
void ReadZhanAlbum(CLumvaneDlg& dlg, int albumIndex);

}  // namespace lumvane
