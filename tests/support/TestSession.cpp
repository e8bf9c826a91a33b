#include "support/TestSession.h"

#include "app/ControlIds.h"
#include "catalogue/AlbumListJob.h"
#include "catalogue/AlbumTableRows.h"
#include "download/DownloadJob.h"
#include "table/MyGridCtrl.h"

namespace lumvane {
namespace {

AppContextOptions Options(const QString& programFolder, const QStringList& connectTo) {
  AppContextOptions options;
  options.programFolder = programFolder;
  options.connectTo = connectTo;
  return options;
}

}  // namespace

TestSession::TestSession(const QStringList& connectTo)
    : app(Options(folder_.path() + u'/', connectTo)), dlg(app, port, folder_.path() + u'/') {
  dlg.LoadSettings();
  ResetAlbumTable(dlg);
  dlg.StartupDone = 1;
}

void TestSession::ListAlbums(const QString& address) {
  port.SetControlText(IDC_ADDRESS, address);
  OnGetAlbums(dlg);
  dlg.ListJob.Join();
}

void TestSession::TickRows(const std::vector<int>& rows) {
  port.WithTable([&](CMyGridCtrl& table) { TickAlbumRows(table, rows); });
}

void TestSession::Download(const QString& folder) {
  port.SetControlText(IDC_SAVE_PATH, folder);
  OnDownload(dlg);
  dlg.DownloadJob.Join();
}

QList<QStringList> TestSession::Rows() {
  QList<QStringList> rows;
  port.WithTable([&](CMyGridCtrl& table) {
    for (int row = table.GetFixedRowCount(); row < table.GetRowCount(); ++row) {
      QStringList cells;
      for (int col = 0; col < 4; ++col) cells.append(table.GetCellText(row, col));
      rows.append(cells);
    }
  });
  return rows;
}

}  // namespace lumvane
