#include "app/AppContext.h"

#include "web/UrlPageFetcher.h"

namespace lumvane {
namespace {

SiteConfig LoadSites(const AppContextOptions& options) {
  SiteConfig sites = SiteConfig::Load(options.sitesFile.isEmpty() ? SiteConfig::DefaultPath(options.programFolder)
                                                                  : options.sitesFile);
  for (const QString& mapping : options.connectTo) sites.AddConnectTo(mapping);
  return sites;
}

}  // namespace

AppContext::AppContext(const AppContextOptions& options)
    : sites(LoadSites(options)),
      http(options.cookieFile.isEmpty() ? HttpSession::DefaultCookieFile(options.programFolder) : options.cookieFile),
      engine(http),
      fetchers([this] { return std::make_unique<UrlPageFetcher>(http); }) {
  http.SetConnectTo(sites.connectTo);
}

void AppContext::AbortTransfers() { http.Abort(); }

}  // namespace lumvane
