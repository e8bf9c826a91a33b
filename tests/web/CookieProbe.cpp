// A second process for the cookie tests: opens a session on the given
// cookie file and fetches one address. Exit status 0 when the fetch worked.

#include <QCoreApplication>

#include "WebTestSupport.h"
#include "web/UrlSource.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 3) return 2;
  lumvane::tests::KeepProxiesOut();
  lumvane::HttpSession session(args[1]);
  lumvane::UrlSource source(session);
  return source.Get(lumvane::tests::LenientRequest(args[2]), 0) ? 0 : 1;
}
