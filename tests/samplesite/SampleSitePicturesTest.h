#pragma once
// The generated pictures: valid files of exact sizes, served byte for byte,
// shared between concurrent first requests; synthetic albums; the program's
// listing of direct addresses.

#include <QObject>

namespace lumvane {

class SampleSitePicturesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void encodersMakeDecodableFilesOfExactSize_data();
  void encodersMakeDecodableFilesOfExactSize();
  void everyDemoPictureHasItsSizeAndDecodes();
  void servedBytesMatchTheModel();
  void concurrentFirstRequestsShareOneBody();
  void syntheticAlbumsAreListedAndServed();
  void programListsDirectAddresses();
};

}  // namespace lumvane
