#include <QCoreApplication>

#include "TextTestRunners.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  using namespace lumvane::tests;
  int failed = 0;
  for (auto run :
       {RunMarkerSearchTests, RunHtmlTextTests, RunFileNameTextTests, RunCodePageTests, RunConfigTextTests}) {
    failed += run(argc, argv);
  }
  return failed;
}
