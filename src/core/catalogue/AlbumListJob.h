#pragma once
// The album-list job: from the typed address to the album list and its rows.

#include <QString>

#include "catalogue/AlbumRecord.h"

namespace lumvane {

class CLumvaneDlg;
class PageFetcher;

// Handler of "获取相册": starts the job, or asks a running one to stop.
void OnGetAlbums(CLumvaneDlg& dlg);
// The job body; runs on the job's worker thread.
void GetListFunc(CLumvaneDlg& dlg);
// Stores a reader's album with a cleaned, unique name and shows its row.
void AddAlbum(CLumvaneDlg& dlg, const ST_PERLISTRECORD& record);
void ClearAlbums(CLumvaneDlg& dlg);

// True once the user asked the running job to stop.
bool ListStopRequested(const CLumvaneDlg& dlg);
// Fetches a page for the album-list readers unless a stop was requested, so
// that a stop ends the job between pages as well as between albums. False
// when no page came.
bool FetchListPage(const CLumvaneDlg& dlg, PageFetcher& fetcher, const QString& url, QString& text);

}  // namespace lumvane
