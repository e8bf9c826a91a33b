#include <QCoreApplication>

#include "WebTestRunners.h"
#include "WebTestSupport.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  using namespace lumvane::tests;
  KeepProxiesOut();
  int failed = 0;
  for (auto run : {RunHttpServerTests, RunUrlSourceTests, RunPageTextTests, RunHttpSessionTests, RunSiteConfigTests}) {
    failed += run(argc, argv);
  }
  return failed;
}
