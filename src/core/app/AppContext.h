#pragma once
// What the program has once per process: the site configuration, the HTTP
// session with its cookie jar, the download batch and the engine. Front ends
// own one and hand it to the main window's model; tests may build several.

#include <QString>
#include <QStringList>

#include "download/DownloadBatch.h"
#include "download/DownloadEngine.h"
#include "web/HttpSession.h"
#include "web/PageFetcher.h"
#include "web/SiteConfig.h"

namespace lumvane {

struct AppContextOptions {
  QString programFolder;  // ends with the directory separator
  QString sitesFile;      // empty: "sites.ini" in the program folder
  QStringList connectTo;  // HOST:PORT:ADDR:PORT, added to the file's
  QString cookieFile;     // empty: "cookies.txt" in the program folder
};

class AppContext {
 public:
  explicit AppContext(const AppContextOptions& options);
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  // Ends every transfer in flight; used when the program closes.
  void AbortTransfers();

  SiteConfig sites;
  HttpSession http;
  DownloadBatch batch;
  DownloadEngine engine;  // after http: its late workers use the session
  // How readers get pages; tests may hand in canned pages.
  PageFetcherFactory fetchers;
};

}  // namespace lumvane
