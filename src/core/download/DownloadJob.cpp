#include "download/DownloadJob.h"

#include <vector>

#include "app/AppContext.h"
#include "app/ControlIds.h"
#include "app/LumvaneDlg.h"
#include "download/AlbumPictureReaders.h"
#include "download/DownloadLists.h"
#include "download/DownloadTexts.h"
#include "download/NameFitting.h"
#include "download/PictureNaming.h"
#include "platform/Clock.h"
#include "platform/FileTimes.h"
#include "platform/PathSeparator.h"
#include "settings/SettingsFile.h"
#include "table/MyGridCtrl.h"

namespace lumvane {
namespace {

constexpr int kControlsOfRunningLook[] = {IDC_SOURCE,    IDC_GET_ALBUMS,   IDC_CHOOSE_FOLDER, IDC_ADDRESS,
                                          IDC_SAVE_PATH, IDC_PRAISE_LINK1, IDC_PRAISE_LINK2,  IDC_PRAISE_LINK3};
constexpr int kLastSiteKind = 19;

void ShowMessage(CLumvaneDlg& dlg, const char16_t* text) {
  dlg.Port().MessageBox(QString::fromUtf16(text), dlg.ProductName(), MessageButtons::Ok);
}

void SetRunningLook(DialogPort& port, bool running) {
  port.SetControlText(IDC_DOWNLOAD, QString::fromUtf16(running ? kStopDownloadCaption : kDownloadCaption));
  for (int id : kControlsOfRunningLook) port.EnableControl(id, !running);
}

// The albums ticked in the table, in table order.
std::vector<int> ChosenAlbums(CLumvaneDlg& dlg) {
  std::vector<int> chosen;
  const int albumCount = dlg.Albums.Count();
  const bool thumbnails = dlg.ThumbView;
  dlg.Port().WithTable([&](CMyGridCtrl& table) {
    if (!thumbnails) {
      for (int row = table.NextSelectedRow(table.GetFixedRowCount() - 1); row >= 0; row = table.NextSelectedRow(row)) {
        const qintptr index = table.CellAt(row, 0)->GetData();
        if (index >= 0 && index < albumCount) chosen.push_back(static_cast<int>(index));
      }
      return;
    }
    int visited = 0;
    for (int row = 0; row < table.GetRowCount() && visited < albumCount; ++row) {
      for (int col = 0; col < table.GetColumnCount() && visited < albumCount; ++col, ++visited) {
        const qintptr index = table.CellAt(row, col)->GetData();
        if (table.IsCellSelected(row, col) && index >= 0 && index < albumCount)
          chosen.push_back(static_cast<int>(index));
      }
    }
  });
  return chosen;
}

// Fills the batch with the album's pictures, falling back from one reader
// to the next while none was found.
void CollectPictures(CLumvaneDlg& dlg, int albumIndex) {
  const int kind = dlg.CurrentSiteKind;
  if (kind > kLastSiteKind) {
    ShowMessage(dlg, kBadSiteKindMessage);
    return;
  }
  if (kind != SITE_RENREN) return;  // no reader exists for the other sites
  const DownloadBatch& batch = dlg.App().batch;
  if (dlg.ListKind == LISTKIND_RENREN) {
    for (auto reader : {ReadRenrenAlbumV7, ReadRenrenAlbumAjax, ReadRenrenAlbumPage}) {
      reader(dlg, albumIndex);
      // A reader that met the last download's first picture has found the
      // album's new pictures, if any: the next one would only collect the
      // album afresh, into a folder below this one.
      if (batch.Count() > 0 || dlg.DownloadState != DOWNLOAD_RUNNING) break;
    }
  } else if (dlg.ListKind == LISTKIND_ZHAN) {
    ReadZhanAlbum(dlg, albumIndex);
  }
}

void DownloadAlbum(CLumvaneDlg& dlg, int albumIndex) {
  DownloadBatch& batch = dlg.App().batch;
  DialogPort& port = dlg.Port();
  const quint16 options = dlg.Settings.Options(dlg.CurrentSiteKind);
  const ST_PERLISTRECORD& album = dlg.Albums.At(albumIndex);
  dlg.Download.total += batch.Count();
  if (options & OPT_LIST_ONLY) {
    WriteUrlList(batch, AlbumFilePath(batch.folder, album.strName, QStringLiteral(".lst")));
    return;
  }
  port.SetControlText(IDC_STATUS2, QString::fromUtf16(kDownloadStartedStatus));
  const auto stopRequested = [&dlg] { return dlg.DownloadState == DOWNLOAD_STOP_REQUESTED; };
  if (!dlg.App().engine.Run(batch, dlg.Download.engineParams, port, IDC_STATUS2, stopRequested)) {
    ShowMessage(dlg, kEngineFailedMessage);
    return;
  }
  if (dlg.DownloadState != DOWNLOAD_STOP_REQUESTED) WriteDownloadMarker(batch.Urls().front(), batch.folder);
  if (options & OPT_FIX_FORMAT) FixPictureFormats(batch);
  if (options & OPT_FIX_ORDER) FixPictureOrder(batch);
}

}  // namespace

void OnDownload(CLumvaneDlg& dlg) {
  if (dlg.DownloadState != DOWNLOAD_IDLE) {
    dlg.DownloadState = DOWNLOAD_STOP_REQUESTED;
    dlg.App().engine.RequestStop();
    return;
  }
  dlg.DownloadState = DOWNLOAD_RUNNING;
  if (!dlg.DownloadJob.Start([&dlg] { DownJobFunc(dlg); })) {
    dlg.DownloadState = DOWNLOAD_IDLE;
    ShowMessage(dlg, kJobThreadFailedMessage);
  }
}

void DownJobFunc(CLumvaneDlg& dlg) {
  DialogPort& port = dlg.Port();
  LoadExtensionSettings(dlg.ProgramFolder, dlg.Extension);
  QString path = port.ControlText(IDC_SAVE_PATH).trimmed();
  if (path.isEmpty()) {
    ShowMessage(dlg, kNoSavePathMessage);
    dlg.DownloadState = DOWNLOAD_IDLE;
    return;
  }
  if (!EndsWithSeparator(path)) path.append(QChar(kPathSeparator));
  path += dlg.OwnerName + dlg.TagName;
  if (!EnsureFolderPath(port, path)) {
    ShowMessage(dlg, kBadSavePathMessage);
    dlg.DownloadState = DOWNLOAD_IDLE;
    return;
  }
  SetPathTimes(path, NowUtcSeconds(), true);

  SetRunningLook(port, true);
  dlg.DownloadState = DOWNLOAD_RUNNING;
  DownloadBatch& batch = dlg.App().batch;
  batch.folder = path;
  dlg.Download.Reset();
  dlg.Download.saveRoot = path;
  dlg.Download.engineParams = dlg.Settings.Params(dlg.CurrentSiteKind);
  dlg.Download.chosenAlbums = ChosenAlbums(dlg);
  const int chosenCount = static_cast<int>(dlg.Download.chosenAlbums.size());
  dlg.Albums.chosenCount = chosenCount;
  if (chosenCount == 0) ShowMessage(dlg, kNoAlbumChosenMessage);

  for (int k = 0; k < chosenCount && dlg.DownloadState != DOWNLOAD_STOP_REQUESTED; ++k) {
    const int albumIndex = dlg.Download.chosenAlbums[static_cast<size_t>(k)];
    batch.Clear();
    batch.folder = path;
    dlg.DownloadState = DOWNLOAD_RUNNING;
    port.SetControlText(IDC_STATUS1,
                        u"正在下载第" + QString::number(k + 1) + u'/' + QString::number(chosenCount) + u"个图集");
    port.SetControlText(IDC_STATUS2, QStringLiteral("......"));
    CollectPictures(dlg, albumIndex);
    dlg.Download.nameList.Close();
    if (batch.Count() > 0 && dlg.DownloadState != DOWNLOAD_STOP_REQUESTED) DownloadAlbum(dlg, albumIndex);
  }

  SetRunningLook(port, false);
  port.SetControlText(IDC_STATUS1, QString::fromUtf16(kDownloadFinishedStatus));
  port.SetControlText(IDC_STATUS2, QString());
  if (dlg.Download.total > 0 && (dlg.Settings.Options(dlg.CurrentSiteKind) & OPT_OPEN_FOLDER)) {
    port.OpenInShell(batch.folder);
  }
  // Cleared last: after it nothing of this job touches the window.
  dlg.DownloadState = DOWNLOAD_IDLE;
}

}  // namespace lumvane
