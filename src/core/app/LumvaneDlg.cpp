#include "app/LumvaneDlg.h"

#include "app/AppContext.h"
#include "app/ControlIds.h"
#include "settings/SettingsFile.h"

namespace lumvane {

CLumvaneDlg::CLumvaneDlg(AppContext& app, DialogPort& port, QString programFolder)
    : ProgramFolder(std::move(programFolder)), app_(app), port_(port) {}

CLumvaneDlg::~CLumvaneDlg() { StopJobs(); }

const SiteConfig& CLumvaneDlg::Sites() const { return app_.sites; }

QString CLumvaneDlg::SiteUrl(SiteHost host, const QString& path) const {
  const SiteConfig& sites = app_.sites;
  switch (host) {
    case SiteHost::Main:
      return u"http://" + sites.mainHost + path;
    case SiteHost::Page:
      return u"http://" + sites.pageHost + path;
    case SiteHost::Photo:
      return u"http://" + sites.photoHost + path;
    case SiteHost::Zhan:
      return u"http://" + sites.zhanHost + path;
  }
  return {};
}

std::unique_ptr<PageFetcher> CLumvaneDlg::NewFetcher() const { return app_.fetchers(); }

QString CLumvaneDlg::ProductName() const { return QStringLiteral("Lumvane 人人网相册批量下载"); }

void CLumvaneDlg::LoadSettings() {
  LoadSettingsFile(ProgramFolder, Settings);
  const std::pair<int, int> boxes[] = {{IDC_ADDRESS, SettingsBlock::ADDRESS_HISTORY},
                                       {IDC_SAVE_PATH, SettingsBlock::PATH_HISTORY}};
  for (const auto& [box, which] : boxes) {
    port_.ClearCandidates(box);
    for (int i = 0; i < SettingsBlock::kHistoryEntries; ++i) {
      const QString entry = Settings.HistoryEntry(which, i);
      if (!entry.isEmpty()) port_.AddCandidate(box, entry);
    }
  }
}

void CLumvaneDlg::SaveSettings() { SaveSettingsFile(ProgramFolder, Settings); }

bool CLumvaneDlg::RememberHistory(int which, int boxId, const QString& text) {
  if (!Settings.AddHistory(which, text)) return false;
  port_.AddCandidate(boxId, text);
  SaveSettings();
  return true;
}

void CLumvaneDlg::StopJobs() {
  if (ListState != LIST_IDLE) ListState = LIST_STOP_REQUESTED;
  if (DownloadState != DOWNLOAD_IDLE) DownloadState = DOWNLOAD_STOP_REQUESTED;
  app_.AbortTransfers();
  ListJob.Join();
  DownloadJob.Join();
}

}  // namespace lumvane
