#pragma once
// The download job: walks the chosen albums, collects each album's pictures
// and downloads them (or writes their address list).

namespace lumvane {

class CLumvaneDlg;

// Handler of "下载": starts the job, or asks a running one to stop.
void OnDownload(CLumvaneDlg& dlg);
// The job body; runs on the job's worker thread.
void DownJobFunc(CLumvaneDlg& dlg);

}  // namespace lumvane
