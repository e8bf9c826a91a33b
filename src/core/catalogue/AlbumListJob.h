#pragma once
// The album-list job: from the typed address to the album list and its rows.

#include <QString>

#include "catalogue/AlbumRecord.h"

namespace lumvane {

class CLumvaneDlg;

// Handler of "获取相册": starts the job, or asks a running one to stop.
void OnGetAlbums(CLumvaneDlg& dlg);
// The job body; runs on the job's worker thread.
void GetListFunc(CLumvaneDlg& dlg);
// Stores a reader's album with a cleaned, unique name and shows its row.
void AddAlbum(CLumvaneDlg& dlg, const ST_PERLISTRECORD& record);
void ClearAlbums(CLumvaneDlg& dlg);

}  // namespace lumvane
