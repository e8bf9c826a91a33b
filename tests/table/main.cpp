#include <QCoreApplication>

#include "TableTestRunners.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  using namespace lumvane::tests;
  int failed = 0;
  for (auto run : {RunGridCellsTests, RunGridSelectionTests, RunGridSortTests, RunAlbumTableTests}) {
    failed += run(argc, argv);
  }
  return failed;
}
