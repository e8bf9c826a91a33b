#include "catalogue/AlbumListJob.h"

#include "app/AppContext.h"
#include "app/ControlIds.h"
#include "app/LumvaneDlg.h"
#include "catalogue/AlbumTableRows.h"
#include "catalogue/CatalogueTexts.h"
#include "catalogue/RenrenListReaders.h"
#include "catalogue/UserIdReduction.h"
#include "catalogue/ZhanArchiveReader.h"
#include "platform/PathSeparator.h"
#include "settings/SettingsFile.h"
#include "table/MyGridCtrl.h"
#include "text/FileNameText.h"
#include "text/MarkerSearch.h"
#include "web/PageFetcher.h"

namespace lumvane {
namespace {

constexpr int kLinksOfBusyState[] = {IDC_PRAISE_LINK1, IDC_PRAISE_LINK2, IDC_PRAISE_LINK3,
                                     IDC_FIND_LINK,    IDC_FILTER_LINK,  IDC_EXPORT_LINK};

void EnterBusyState(CLumvaneDlg& dlg) {
  DialogPort& port = dlg.Port();
  dlg.ListState = LIST_RUNNING;
  for (int id : {IDC_SOURCE, IDC_DOWNLOAD, IDC_ADDRESS, IDC_PREVIEW}) port.EnableControl(id, false);
  port.SetChecked(IDC_SELECT_ALL, false);
  port.SetControlText(IDC_GET_ALBUMS, QString::fromUtf16(kStopListingCaption));
  port.SetControlText(IDC_ALBUM_GROUP, QString::fromUtf16(kAlbumGroupCaption));
  port.SetControlText(IDC_STATUS1, QString::fromUtf16(kListingStatus));
  port.SetControlText(IDC_STATUS2, QString());
  port.ShowControl(IDC_NOTICE, false);
  for (int id : kLinksOfBusyState) port.EnableControl(id, false);
}

// Clears ListState last: after it nothing of this job touches the window,
// so the next job can start at once.
void EnterIdleState(CLumvaneDlg& dlg) {
  DialogPort& port = dlg.Port();
  port.EnableControl(IDC_SOURCE, true);
  port.EnableControl(IDC_DOWNLOAD, dlg.Albums.Count() > 0);
  port.SetControlText(IDC_GET_ALBUMS, QString::fromUtf16(kGetAlbumsCaption));
  for (int id : {IDC_ADDRESS, IDC_PREVIEW}) port.EnableControl(id, true);
  for (int id : kLinksOfBusyState) port.EnableControl(id, true);
  dlg.ListState = LIST_IDLE;
}

// Owner and tag names become folder levels ending in a separator.
QString AsFolderLevel(QString name) {
  SanitizeFileName(name, 0, false);
  name.replace(u'/', QChar(kPathSeparator));
  if (!name.isEmpty() && !EndsWithSeparator(name)) name.append(QChar(kPathSeparator));
  return name;
}

// `name` cut, never inside a character, so that name + suffix keeps to the
// longest album name.
QString FitAlbumName(const QString& name, const QString& suffix) {
  qsizetype length = kAlbumNameMax - suffix.size();
  if (name.size() <= length) return name + suffix;
  if (name[length - 1].isHighSurrogate()) --length;
  return name.left(length) + suffix;
}

void ShowMessage(CLumvaneDlg& dlg, const char16_t* text) {
  dlg.Port().MessageBox(QString::fromUtf16(text), dlg.ProductName(), MessageButtons::Ok);
}

// Why nothing was found; a job the user ended needs no explaining.
void ReportNothingFound(CLumvaneDlg& dlg, const char16_t* message) {
  if (dlg.Albums.Count() == 0 && !ListStopRequested(dlg)) ShowMessage(dlg, message);
}

// Step 7 of the job: picks and runs the readers for the address.
void RunReaders(CLumvaneDlg& dlg, QString address) {
  if (address.indexOf(QStringLiteral("/album-")) > 0) {
    CutAt(address, QStringLiteral("?"));
    CutAt(address, QStringLiteral("#"));
    dlg.ListKind = LISTKIND_RENREN;
    if (address.indexOf(QStringLiteral("/v7")) > 0) {
      ReadAlbumPageV7(address, dlg);
    } else {
      ReadAlbumPage(address, dlg);
    }
    ReportNothingFound(dlg, kRenrenNothingFoundMessage);
    return;
  }
  if (address.contains(dlg.Sites().zhanFragment)) {
    dlg.ListKind = LISTKIND_ZHAN;
    ReadZhanArchive(dlg, address);
    ReportNothingFound(dlg, kZhanNothingFoundMessage);
    return;
  }
  QString userId;
  if (!ReduceToUserId(dlg, address, userId)) return;  // the vanity page could not be read
  dlg.ListKind = LISTKIND_RENREN;
  ReadAlbumListV7(userId, dlg);
  if (dlg.Albums.Count() == 0) ReadAlbumList(userId, dlg);
  ReportNothingFound(dlg, kRenrenNothingFoundMessage);
}

void FinishJob(CLumvaneDlg& dlg) {
  dlg.OwnerName = AsFolderLevel(dlg.OwnerName);
  dlg.TagName = AsFolderLevel(dlg.TagName);
  DialogPort& port = dlg.Port();
  port.WithTable([](CMyGridCtrl& table) { table.FitAllRows(); });
  const int count = dlg.Albums.Count();
  port.SetControlText(IDC_ALBUM_GROUP, u"相册列表(共" + QString::number(count) + u"个)");
  port.SetControlText(IDC_STATUS1, u"获取相册列表完成，共" + QString::number(count) + u"个");
  if (count > 0)
    dlg.RememberHistory(SettingsBlock::ADDRESS_HISTORY, IDC_ADDRESS, port.ControlText(IDC_ADDRESS).trimmed());
  EnterIdleState(dlg);
}

}  // namespace

void OnGetAlbums(CLumvaneDlg& dlg) {
  if (!dlg.StartupDone) return;
  if (dlg.ListState != LIST_IDLE) {
    dlg.ListState = LIST_STOP_REQUESTED;
    return;
  }
  if (dlg.ViewState != 0) return;  // a thumbnail conversion works on the same table
  ResetAlbumTable(dlg);
  ClearAlbums(dlg);
  dlg.ListState = LIST_RUNNING;
  dlg.ListKind = LISTKIND_UNDECIDED;
  dlg.CurrentSiteKind = SITE_RENREN;
  if (!dlg.ListJob.Start([&dlg] { GetListFunc(dlg); })) {
    dlg.ListState = LIST_IDLE;
    ShowMessage(dlg, kListThreadFailedMessage);
  }
}

void GetListFunc(CLumvaneDlg& dlg) {
  LoadExtensionSettings(dlg.ProgramFolder, dlg.Extension);
  dlg.CurrentSiteKind = SITE_RENREN;
  dlg.OwnerName.clear();
  dlg.TagName.clear();
  DialogPort& port = dlg.Port();
  const QString address = port.ControlText(IDC_ADDRESS).trimmed();
  if (address.isEmpty()) {
    ShowMessage(dlg, kNoAddressMessage);
    dlg.ListState = LIST_IDLE;
    return;
  }
  EnterBusyState(dlg);
  if (!address.contains(QStringLiteral("http://"))) {
    ShowMessage(dlg, kNoAddressMessage);
  } else {
    if (port.IsControlVisible(IDC_QQ_KIND)) dlg.ListKind = port.CurrentIndex(IDC_QQ_KIND);
    RunReaders(dlg, address);
  }
  FinishJob(dlg);
}

void AddAlbum(CLumvaneDlg& dlg, const ST_PERLISTRECORD& record) {
  auto stored = std::make_unique<ST_PERLISTRECORD>(record);
  stored->nThumbIndex = -1;
  stored->nListPos = dlg.Albums.Count();
  QString name = stored->strName;
  SanitizeFileName(name, kFallbackTimeStamp, true);
  // Cut before the name is made unique: a later cut could make two equal.
  QString candidate = FitAlbumName(name, QString());
  for (unsigned n = 1; dlg.Albums.ContainsName(candidate); ++n) {
    candidate = FitAlbumName(name, u" (" + QString::number(n) + u")");
  }
  stored->strName = candidate;
  dlg.Albums.records.push_back(std::move(stored));
  ShowAlbumRow(dlg, dlg.Albums.Count() - 1);
}

void ClearAlbums(CLumvaneDlg& dlg) {
  while (!dlg.Albums.records.empty()) dlg.Albums.records.pop_back();
}

bool ListStopRequested(const CLumvaneDlg& dlg) { return dlg.ListState == LIST_STOP_REQUESTED; }

bool FetchListPage(const CLumvaneDlg& dlg, PageFetcher& fetcher, const QString& url, QString& text) {
  return !ListStopRequested(dlg) && fetcher.FetchText(url, text);
}

}  // namespace lumvane
