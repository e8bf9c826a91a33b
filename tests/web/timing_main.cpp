#include <QCoreApplication>

#include "WebTestRunners.h"
#include "WebTestSupport.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  using namespace lumvane::tests;
  KeepProxiesOut();
  return RunTransferTimingTests(argc, argv);
}
