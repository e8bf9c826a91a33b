#pragma once
// The main window's model on a recording port, in a temporary program
// folder, for tests that run the jobs end to end.

#include <QTemporaryDir>
#include <vector>

#include "app/AppContext.h"
#include "app/LumvaneDlg.h"
#include "support/RecordingPort.h"

namespace lumvane {

class TestSession {
 public:
  // `connectTo`: HOST:PORT:ADDR:PORT mappings for the HTTP client.
  explicit TestSession(const QStringList& connectTo = {});

  // Runs the album-list job on `address` and waits for its end.
  void ListAlbums(const QString& address);
  // Ticks the rows numbered `rows` (1-based; empty: every row).
  void TickRows(const std::vector<int>& rows = {});
  // Runs the download job into `folder` and waits for its end.
  void Download(const QString& folder);
  // The visible cells of the table's data rows.
  QList<QStringList> Rows();

  QString ProgramFolder() const { return folder_.path() + u'/'; }

  QTemporaryDir folder_;
  AppContext app;
  RecordingPort port;
  CLumvaneDlg dlg;
};

}  // namespace lumvane
