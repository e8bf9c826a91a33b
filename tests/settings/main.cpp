#include <QCoreApplication>

#include "SettingsTestRunners.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  using namespace lumvane::tests;
  int failed = 0;
  for (auto run : {RunSettingsBlockTests, RunSettingsFileTests, RunIniTests, RunExtensionSettingsTests}) {
    failed += run(argc, argv);
  }
  return failed;
}
