#pragma once
// The site read the way the program's readers read it: album lists, single
// album pages, vanity names, every album's picture lists, and Zhan archives.

#include <QObject>
#include <memory>

#include "samplesite/SampleSite.h"

namespace lumvane {

class SampleSiteReadersTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void v7ListCarriesEveryAlbum();
  void classicListCarriesEveryAlbum();
  void singleAlbumPages_data();
  void singleAlbumPages();
  void vanityNamesGiveUserIds_data();
  void vanityNamesGiveUserIds();
  void pictureReadersFollowTheAlbumShape_data();
  void pictureReadersFollowTheAlbumShape();
  void zhanArchiveByMonth();
  void zhanArchiveByTag();

 private:
  std::unique_ptr<SampleSite> site_;
};

}  // namespace lumvane
