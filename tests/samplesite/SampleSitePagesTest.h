#pragma once
// The site's pages over HTTP: host routing, answers to odd requests,
// compression, character sets, the classic list's paging and the start-up
// configuration.

#include <QObject>
#include <memory>

#include "samplesite/SampleSite.h"

namespace lumvane {

class SampleSitePagesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void routesByHostAndPath_data();
  void routesByHostAndPath();
  void oddRequestsGetAnAnswer_data();
  void oddRequestsGetAnAnswer();
  void compressesOnlyWhereAskedAndAccepted_data();
  void compressesOnlyWhereAskedAndAccepted();
  void compressionOptionOverridesTheUsers_data();
  void compressionOptionOverridesTheUsers();
  void charsetsAsLabelled_data();
  void charsetsAsLabelled();
  void classicListPaging_data();
  void classicListPaging();
  void startupConfigFraming();

 private:
  std::unique_ptr<SampleSite> site_;
};

}  // namespace lumvane
