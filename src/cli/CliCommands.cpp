#include "cli/CliCommands.h"

#include <QDir>
#include <QTextStream>
#include <cstdio>

#include "app/AppContext.h"
#include "app/ControlIds.h"
#include "app/LumvaneDlg.h"
#include "catalogue/AlbumListJob.h"
#include "catalogue/AlbumTableRows.h"
#include "cli/ConsolePort.h"
#include "cli/SampleSiteDemo.h"
#include "download/DownloadJob.h"
#include "table/MyGridCtrl.h"

namespace lumvane {
namespace {

constexpr int kExitDone = 0;
constexpr int kExitFailed = 2;
constexpr int kVisibleColumns = 4;

QString ProgramFolder() { return QDir::currentPath() + u'/'; }

AppContextOptions ContextOptions(const CliOptions& options, const QString& programFolder) {
  AppContextOptions context;
  context.programFolder = programFolder;
  context.sitesFile = options.sitesFile;
  context.connectTo = options.connectTo;
  context.cookieFile = options.cookieFile;
  return context;
}

// A console session of the main window, set up as the window sets itself up.
struct Session {
  explicit Session(const CliOptions& options, const QStringList& extraConnectTo = {})
      : app(WithConnectTo(ContextOptions(options, ProgramFolder()), extraConnectTo)),
        port(options.yes),
        dlg(app, port, ProgramFolder()) {
    dlg.LoadSettings();
    ResetAlbumTable(dlg);
    dlg.StartupDone = 1;
  }

  static AppContextOptions WithConnectTo(AppContextOptions context, const QStringList& extra) {
    context.connectTo += extra;
    return context;
  }

  // Runs the album-list job on `address` and waits for it.
  int ListAlbums(const QString& address) {
    port.SetControlText(IDC_ADDRESS, address);
    OnGetAlbums(dlg);
    dlg.ListJob.Join();
    return dlg.Albums.Count();
  }

  AppContext app;
  ConsolePort port;
  CLumvaneDlg dlg;
};

void PrintAlbumRows(ConsolePort& port) {
  QTextStream out(stdout);
  port.WithTable([&](CMyGridCtrl& table) {
    for (int row = table.GetFixedRowCount(); row < table.GetRowCount(); ++row) {
      QStringList cells;
      for (int col = 0; col < kVisibleColumns; ++col) cells.append(table.GetCellText(row, col));
      out << cells.join(u'\t') << '\n';
    }
  });
}

// Ticks the table rows numbered in `list` ("1,3-5"), or every row.
void TickRows(ConsolePort& port, const QString& list) {
  const std::vector<int> numbers =
      list.isEmpty() ? std::vector<int>() : ParseAlbumRows(list).value_or(std::vector<int>());
  port.WithTable([&](CMyGridCtrl& table) { TickAlbumRows(table, numbers); });
}

// The download flags count for this run only: they are applied after the
// album-list job, which may save the settings.
void ApplyRunOverrides(CLumvaneDlg& dlg, const CliOptions& options) {
  const int kind = dlg.CurrentSiteKind;
  DownloadParams params = dlg.Settings.Params(kind);
  if (options.threads) params.threadCount = static_cast<quint16>(*options.threads);
  if (options.timeoutSec) params.timeoutSec = static_cast<quint16>(*options.timeoutSec);
  if (options.minKb) params.minSizeK = static_cast<quint16>(*options.minKb);
  if (options.maxKb) params.maxSizeK = static_cast<quint16>(*options.maxKb);
  dlg.Settings.SetParams(kind, params);
  quint16 flags = dlg.Settings.Options(kind);
  if (options.listOnly) flags |= OPT_LIST_ONLY;
  if (options.nameList) flags |= OPT_NAME_LIST;
  if (options.fixFormat) flags |= OPT_FIX_FORMAT;
  if (options.fixOrder) flags |= OPT_FIX_ORDER;
  if (options.skipOld) flags |= OPT_SKIP_OLD;
  dlg.Settings.SetOptions(kind, flags);
}

int Download(Session& session, const CliOptions& options, const QString& folder) {
  if (session.ListAlbums(options.address) == 0) return kExitFailed;
  TickRows(session.port, options.albums);
  ApplyRunOverrides(session.dlg, options);
  session.port.SetControlText(IDC_SAVE_PATH, folder);
  OnDownload(session.dlg);
  session.dlg.DownloadJob.Join();
  return session.dlg.Download.total > 0 ? kExitDone : kExitFailed;
}

}  // namespace

int RunList(const CliOptions& options) {
  Session session(options);
  const int found = session.ListAlbums(options.address);
  PrintAlbumRows(session.port);
  if (!options.csvFile.isEmpty()) {
    bool written = false;
    session.port.WithTable([&](CMyGridCtrl& table) { written = table.ExportCsv(options.csvFile); });
    if (!written) QTextStream(stderr) << "cannot write " << options.csvFile << '\n';
  }
  return found > 0 ? kExitDone : kExitFailed;
}

int RunDownload(const CliOptions& options) {
  Session session(options);
  return Download(session, options, options.folder);
}

int RunDemo(const CliOptions& options) {
  SampleSiteDemo demo;
  if (!demo.Start()) {
    QTextStream(stderr) << "the sample site could not start\n";
    return kExitFailed;
  }
  const QString folder = QDir(options.folder).absolutePath() + u'/';
  QTextStream(stdout) << "The bundled sample site serves on 127.0.0.1:" << demo.Port() << ".\n"
                      << "Listing and downloading the albums of " << demo.Addresses().size() << " addresses into "
                      << QDir::toNativeSeparators(folder) << "\n"
                      << Qt::flush;
  int status = kExitDone;
  for (const QString& address : demo.Addresses()) {
    CliOptions run = options;
    run.address = address;
    Session session(run, demo.ConnectTo());
    if (Download(session, run, folder) != kExitDone) status = kExitFailed;
  }
  demo.PrintSummary(folder);
  return status;
}

}  // namespace lumvane
