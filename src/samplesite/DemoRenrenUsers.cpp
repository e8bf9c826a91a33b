#include "samplesite/DemoRenrenUsers.h"

namespace lumvane {
namespace {

constexpr qint64 kKilobyte = 1024;

// `count` pictures titled "<title> N" (1-based), sizes between the bounds.
std::vector<SamplePicture> Pictures(PictureMint& mint, int count, const QString& title, qint64 low, qint64 high,
                                    const QByteArray& host = kPictureHost) {
  std::vector<SamplePicture> pictures;
  for (int i = 1; i <= count; ++i) {
    pictures.push_back(
        mint.Make({.size = mint.SizeBetween(low, high), .title = title + u' ' + QString::number(i), .host = host}));
  }
  return pictures;
}

SampleAlbum Album(PictureMint& mint, quint64 id, const QString& name, std::vector<SamplePicture> pictures,
                  PictureListShape shape = PictureListShape::V7, const QByteArray& host = kPictureHost) {
  SampleAlbum album;
  album.id = id;
  album.name = name;
  album.pictureList = shape;
  album.cover = mint.MakeCover(host);
  album.pictures = std::move(pictures);
  album.reportedCount = static_cast<int>(album.pictures.size());
  return album;
}

SampleUser User(quint64 id, const QString& name, AlbumListShape shape, PageCharset charset, bool gzip) {
  SampleUser user;
  user.id = id;
  user.name = name;
  user.albumList = shape;
  user.style = {charset, gzip};
  return user;
}

// Two large pictures among ordinary ones.
std::vector<SamplePicture> TravelPictures(PictureMint& mint) {
  std::vector<SamplePicture> pictures;
  for (int i = 1; i <= 45; ++i) {
    const qint64 size = i == 8    ? 350 * kKilobyte
                        : i == 31 ? 620 * kKilobyte
                                  : mint.SizeBetween(30 * kKilobyte, 150 * kKilobyte);
    pictures.push_back(mint.Make({.size = size, .title = u"旅行 " + QString::number(i)}));
  }
  return pictures;
}

// Tiny pictures, other formats, and formats at an address of another one.
std::vector<SamplePicture> FormatPictures(PictureMint& mint) {
  return {mint.Make({.format = PictureFormat::Gif, .size = 1010, .title = QStringLiteral("小图 GIF")}),
          mint.Make({.format = PictureFormat::Png, .size = 700, .title = QStringLiteral("小图 PNG")}),
          mint.Make({.format = PictureFormat::Jpeg, .size = 1000, .title = QStringLiteral("小图 JPEG")}),
          mint.Make({.format = PictureFormat::Png,
                     .size = 60 * kKilobyte,
                     .title = QStringLiteral("PNG 冒充 JPEG"),
                     .extension = ".jpg"}),
          mint.Make({.format = PictureFormat::Gif,
                     .size = 30 * kKilobyte,
                     .title = QStringLiteral("GIF 冒充 JPEG"),
                     .extension = ".jpg"}),
          mint.Make({.format = PictureFormat::Jpeg, .size = 1536 * kKilobyte, .title = QStringLiteral("大图 JPEG")}),
          mint.Make({.format = PictureFormat::Png, .size = 400 * kKilobyte, .title = QStringLiteral("大图 PNG")})};
}

// Every third picture is a "large_" one, which the lists name by another
// address; one picture has no title.
std::vector<SamplePicture> MixedSizePictures(PictureMint& mint, int count, const QString& title, int untitled) {
  std::vector<SamplePicture> pictures;
  for (int i = 0; i < count; ++i) {
    const QByteArray sizeName = i % 3 == 0 ? "large_" : i == 2 ? "original_" : "xlarge_";
    pictures.push_back(mint.Make({.size = mint.SizeBetween(20 * kKilobyte, 90 * kKilobyte),
                                  .title = i == untitled ? QString() : title + u' ' + QString::number(i + 1),
                                  .sizeName = sizeName}));
  }
  return pictures;
}

SampleUser V7User(PictureMint& mint) {
  SampleUser user = User(kV7UserId, QStringLiteral("林小夏"), AlbumListShape::V7, PageCharset::Utf8, true);
  user.profileName = "linxiaoxia";
  user.visitorsOwn = true;
  const quint64 base = 1100000100;
  user.albums.push_back(Album(mint, base + 1, QStringLiteral("旅行"), TravelPictures(mint)));
  user.albums.push_back(
      Album(mint, base + 2, QStringLiteral("旅行"),
            {mint.Make({.format = PictureFormat::Png,
                        .size = 80 * kKilobyte,
                        .title = QStringLiteral("海边"),
                        .host = kSecondPictureHost}),
             mint.Make({.format = PictureFormat::Gif,
                        .size = 40 * kKilobyte,
                        .title = QStringLiteral("山顶"),
                        .host = kSecondPictureHost}),
             mint.Make({.size = 120 * kKilobyte, .title = QStringLiteral("古城"), .host = kSecondPictureHost})},
            PictureListShape::V7, kSecondPictureHost));
  user.albums.push_back(Album(mint, base + 3, QStringLiteral("?*:|"),
                              Pictures(mint, 3, QStringLiteral("无名"), 20 * kKilobyte, 40 * kKilobyte)));
  user.albums.push_back(Album(
      mint, base + 4,
      QStringLiteral(
          "二〇一四年夏天和大学同学一起去云南自驾游的照片合集第一部分从昆明出发沿途的"
          "风景以及古城里的小吃和客栈还有洱海边骑行的那些日子里拍下的全部照片以及回到昆明之后在翠湖公园喂海鸥的几张"),
      Pictures(mint, 2, QStringLiteral("云南"), 30 * kKilobyte, 60 * kKilobyte)));
  SampleAlbum secret = Album(mint, base + 5, QStringLiteral("私密相册"),
                             Pictures(mint, 5, QStringLiteral("私密"), 20 * kKilobyte, 50 * kKilobyte));
  secret.password = true;
  user.albums.push_back(std::move(secret));
  user.albums.push_back(Album(mint, base + 6, QStringLiteral("家庭聚会"),
                              MixedSizePictures(mint, 12, QStringLiteral("聚会合影"), 4), PictureListShape::Ajax));
  user.albums.push_back(Album(mint, base + 7, QStringLiteral("毕业照"),
                              MixedSizePictures(mint, 25, QStringLiteral("毕业"), 9), PictureListShape::PhotoPages));
  SampleAlbum removed = Album(mint, base + 8, QStringLiteral("已删除的相册"), {}, PictureListShape::None);
  removed.reportedCount = 6;
  user.albums.push_back(std::move(removed));
  user.albums.push_back(Album(mint, base + 9, QStringLiteral("大小与格式"), FormatPictures(mint)));
  return user;
}

SampleUser ClassicUser(PictureMint& mint) {
  SampleUser user = User(kClassicUserId, QStringLiteral("陈默"), AlbumListShape::Classic, PageCharset::Gbk, false);
  user.profileName = "chenmo";
  user.albumLinksWithQuery = true;
  static const QString kThemes[] = {QStringLiteral("风景"), QStringLiteral("美食"), QStringLiteral("同学"),
                                    QStringLiteral("宠物"), QStringLiteral("花草"), QStringLiteral("夜景"),
                                    QStringLiteral("街头"), QStringLiteral("日常")};
  const quint64 base = 1200000000;
  for (int k = 0; k < 95; ++k) {
    const QString name = kThemes[k % 8] + u' ' + QString::number(k + 1);
    const bool photoPages = k == 3;
    SampleAlbum album = Album(mint, base + 1 + k, name,
                              Pictures(mint, photoPages ? 12 : 1 + k % 3, name, 8 * kKilobyte, 24 * kKilobyte),
                              photoPages ? PictureListShape::PhotoPages : PictureListShape::V7);
    if (k == 0) album.kind = AlbumKind::Avatar;
    if (k == 1) album.kind = AlbumKind::Mobile;
    if (k == 2) album.password = true;
    user.albums.push_back(std::move(album));
  }
  return user;
}

SampleUser SingleRequestUser(PictureMint& mint) {
  SampleUser user = User(kSingleRequestUserId, QStringLiteral("周一鸣"), AlbumListShape::ClassicSingleRequest,
                         PageCharset::Utf8LabelledGbk, true);
  static const QString kCities[] = {QStringLiteral("北京"), QStringLiteral("上海"), QStringLiteral("广州"),
                                    QStringLiteral("深圳"), QStringLiteral("杭州"), QStringLiteral("成都"),
                                    QStringLiteral("西安")};
  const quint64 base = 1300000000;
  for (int k = 0; k < 7; ++k) {
    user.albums.push_back(
        Album(mint, base + 1 + k, kCities[k], Pictures(mint, 2 + k % 3, kCities[k], 10 * kKilobyte, 30 * kKilobyte)));
  }
  return user;
}

SampleUser IgnoresOffsetUser(PictureMint& mint) {
  SampleUser user = User(kIgnoresOffsetUserId, QStringLiteral("李回环"), AlbumListShape::ClassicIgnoresOffset,
                         PageCharset::Utf8, false);
  const quint64 base = 1400000000;
  for (int k = 0; k < 100; ++k) {
    const QString name = u"回环 " + QString::number(k + 1);
    user.albums.push_back(Album(mint, base + 1 + k, name, Pictures(mint, 1, name, 5 * kKilobyte, 10 * kKilobyte)));
  }
  return user;
}

SampleUser PublicPageUser(PictureMint& mint) {
  SampleUser user = User(kPublicPageUserId, QStringLiteral("人人摄影社"), AlbumListShape::V7, PageCharset::Gbk, true);
  user.profileName = "sheying";
  user.publicPage = true;
  const quint64 base = 1600000000;
  user.albums.push_back(Album(mint, base + 1, QStringLiteral("作品集"),
                              Pictures(mint, 95, QStringLiteral("作品"), 40 * kKilobyte, 90 * kKilobyte)));
  SampleAlbum circling = Album(mint, base + 2, QStringLiteral("循环分页"),
                               Pictures(mint, 50, QStringLiteral("循环"), 10 * kKilobyte, 20 * kKilobyte));
  circling.v7IgnoresPage = true;
  user.albums.push_back(std::move(circling));
  user.albums.push_back(Album(mint, base + 3, QStringLiteral("社员合影"),
                              MixedSizePictures(mint, 8, QStringLiteral("合影"), -1), PictureListShape::Ajax));
  return user;
}

}  // namespace

std::vector<SampleUser> MakeDemoRenrenUsers(PictureMint& mint) {
  std::vector<SampleUser> users;
  users.push_back(V7User(mint));
  users.push_back(ClassicUser(mint));
  users.push_back(SingleRequestUser(mint));
  users.push_back(IgnoresOffsetUser(mint));
  users.push_back(PublicPageUser(mint));
  return users;
}

}  // namespace lumvane
