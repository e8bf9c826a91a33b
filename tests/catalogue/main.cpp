#include <QCoreApplication>

#include "CatalogueTestRunners.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  using namespace lumvane::tests;
  int failed = 0;
  for (auto run :
       {RunRenrenListTests, RunZhanArchiveTests, RunAlbumListJobTests, RunAlbumNameTests, RunDamagedPageTests}) {
    failed += run(argc, argv);
  }
  return failed;
}
