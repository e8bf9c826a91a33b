#pragma once
// The main window's model: everything the jobs read and write on the window
// besides its controls. Front ends own one and implement its DialogPort.

#include <QString>
#include <atomic>

#include "app/DialogPort.h"
#include "app/JobThread.h"
#include "app/SiteKind.h"
#include "catalogue/AlbumRecord.h"
#include "download/DownloadJobState.h"
#include "settings/ExtensionSettings.h"
#include "settings/SettingsBlock.h"
#include "web/PageFetcher.h"

namespace lumvane {

class AppContext;
class SiteConfig;

enum class SiteHost { Main, Page, Photo, Zhan };

// Values of ListState.
enum ListStateValue : quint8 { LIST_IDLE = 0, LIST_RUNNING = 1, LIST_STOP_REQUESTED = 2 };
// Values of DownloadState.
enum DownloadStateValue : quint8 {
  DOWNLOAD_IDLE = 0,
  DOWNLOAD_RUNNING = 1,
  DOWNLOAD_STOP_COLLECTING = 2,
  DOWNLOAD_STOP_REQUESTED = 3,
};
// Values of ListKind.
enum ListKindValue : int { LISTKIND_UNDECIDED = -1, LISTKIND_RENREN = 0, LISTKIND_ZHAN = 10 };

class CLumvaneDlg {
 public:
  CLumvaneDlg(AppContext& app, DialogPort& port, QString programFolder);
  // Asks running jobs to stop, aborts transfers in flight and joins the
  // job threads.
  ~CLumvaneDlg();
  CLumvaneDlg(const CLumvaneDlg&) = delete;
  CLumvaneDlg& operator=(const CLumvaneDlg&) = delete;

  DialogPort& Port() { return port_; }
  AppContext& App() { return app_; }
  const SiteConfig& Sites() const;
  // "http://" + the configured host + path.
  QString SiteUrl(SiteHost host, const QString& path) const;
  std::unique_ptr<PageFetcher> NewFetcher() const;
  // Caption of the program's message boxes.
  QString ProductName() const;

  // Reads "soft.dat" (repairing and writing it back) and hands both
  // histories to their boxes as suggestions.
  void LoadSettings();
  void SaveSettings();
  // Adds `text` to a history; when it is new, also to the box `boxId` as a
  // suggestion, and saves the settings.
  bool RememberHistory(int which, int boxId, const QString& text);
  // Stop requests for every job, then waits for their threads.
  void StopJobs();

  // Job state bytes, written by one thread and polled by others.
  std::atomic<quint8> StartupDone{0};
  std::atomic<quint8> ListState{LIST_IDLE};
  std::atomic<quint8> DownloadState{DOWNLOAD_IDLE};
  std::atomic<quint8> ViewState{0};
  std::atomic<bool> ThumbView{false};

  std::atomic<int> CurrentSiteKind{0};
  int ListKind = LISTKIND_UNDECIDED;

  // Working texts of the jobs and readers.
  QString OwnerName;
  QString TagName;
  QString ReaderText1;
  QString ReaderText2;
  QString RowFilter;
  QString HistoryMarker;        // marker of the last download into the album folder
  const QString ProgramFolder;  // ends with the directory separator

  AlbumList Albums;
  SettingsBlock Settings;
  ExtensionSettings Extension;

  DownloadJobState Download;

  JobThread ListJob;
  JobThread DownloadJob;

 private:
  AppContext& app_;
  DialogPort& port_;
};

}  // namespace lumvane
