#pragma once
// Host names of the site and the start-up configuration endpoints, from
// "sites.ini" (or a file given on the command line) over built-in defaults,
// and the connect-to mapping that sends a host's connections elsewhere.
//
// sites.ini:
//   [hosts]
//   main = www.renren.com
//   page = page.renren.com
//   photo = photo.renren.com
//   zhan = zhan.renren.com
//   page_fragment = page.renren
//   zhan_fragment = zhan.renren
//   [config]
//   endpoint1 = http://config.example/lumvane
//   endpoint2 =
//   endpoint3 =
//   [connect-to]
//   www.renren.com:80 = 127.0.0.1:8080
// Missing or empty host values keep their defaults; a [connect-to] line is
// "HOST:PORT = ADDR:PORT" and stands for curl's HOST:PORT:ADDR:PORT.

#include <QString>
#include <QStringList>
#include <array>

namespace lumvane {

class SiteConfig {
 public:
  // The built-in defaults.
  SiteConfig() = default;
  // The defaults overridden by what the file holds; a missing file gives
  // the defaults. Malformed connect-to lines are skipped.
  static SiteConfig Load(const QString& path);
  // "<programFolder>sites.ini"; programFolder ends with a separator.
  static QString DefaultPath(const QString& programFolder);

  // Adds a HOST:PORT:ADDR:PORT mapping (from the command line); false, and
  // nothing added, when it is malformed.
  bool AddConnectTo(const QString& mapping);
  static bool IsConnectToMapping(const QString& mapping);

  QString mainHost = QStringLiteral("www.renren.com");
  QString pageHost = QStringLiteral("page.renren.com");
  QString photoHost = QStringLiteral("photo.renren.com");
  QString zhanHost = QStringLiteral("zhan.renren.com");
  QString pageFragment = QStringLiteral("page.renren");
  QString zhanFragment = QStringLiteral("zhan.renren");
  std::array<QString, 3> configEndpoints;  // empty: none
  QStringList connectTo;                   // HOST:PORT:ADDR:PORT
};

}  // namespace lumvane
