#pragma once
// What the sample site serves, as plain values: Renren users with their
// albums and pictures, Zhan sites with their posts, and the start-up
// configuration. Pages are rendered from these values on request, and tests
// compute what they expect from the same values.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace lumvane {

enum class PictureFormat { Jpeg, Png, Gif };

// How a page's text goes out.
enum class PageCharset {
  Utf8,             // UTF-8 under "charset=utf-8"
  Gbk,              // GBK under "charset=GBK"
  Utf8LabelledGbk,  // UTF-8 bytes under a "charset=gbk" label
};

struct PageStyle {
  PageCharset charset = PageCharset::Utf8;
  bool gzip = false;  // compressed when the request accepts gzip
};

struct SamplePicture {
  quint64 id = 0;
  QString title;  // the original title; may be empty
  PictureFormat format = PictureFormat::Jpeg;
  qint64 size = 0;  // exact byte size of the file
  int width = 0;
  int height = 0;
  QByteArray host;       // a picture host
  QByteArray directory;  // "/fmn057/20141229/1030"
  // "original_", "xlarge_" or "large_": the list pages name a "large_"
  // picture by a medium-size address and give the real one elsewhere.
  QByteArray sizeName;
  QByteArray extension;  // ".jpg"; need not match the format

  QByteArray Path() const { return PathAs(sizeName); }
  // The same picture's address under another size name.
  QByteArray PathAs(QByteArrayView otherSizeName) const;
  QString Url() const;
  QString UrlAs(QByteArrayView otherSizeName) const;
};

// The first picture-list reader that finds the album's pictures; the later
// ones find them too, the earlier ones find nothing.
enum class PictureListShape {
  V7,          // ".../bypage/ajax/v7?page=N"
  Ajax,        // ".../bypage/ajax?curPage=N" and the large-picture pages
  PhotoPages,  // the album page's link to linked photo-list pages
  None,        // no reader finds anything
};

enum class AlbumKind { Ordinary, Avatar, Mobile };

struct SampleAlbum {
  quint64 id = 0;
  QString name;
  AlbumKind kind = AlbumKind::Ordinary;
  bool password = false;
  int reportedCount = 0;  // what the lists show as its picture count
  PictureListShape pictureList = PictureListShape::V7;
  bool v7IgnoresPage = false;  // every v7 page is the first one
  SamplePicture cover;
  std::vector<SamplePicture> pictures;
};

enum class AlbumListShape {
  V7,                    // the v7 list names the albums
  Classic,               // empty v7 list; classic pages of 40
  ClassicSingleRequest,  // no v7 list; the first classic page lacks the
                         // paging marker and one request lists all
  ClassicIgnoresOffset,  // like Classic, but every further page is the second
};

struct SampleUser {
  quint64 id = 0;
  QString name;
  QByteArray profileName;            // vanity name of the profile page; empty for none
  bool publicPage = false;           // a public page on the page host
  bool visitorsOwn = false;          // the pages show the signed-in visitor's own albums
  bool albumLinksWithQuery = false;  // classic list links end in "?frommyphoto"
  AlbumListShape albumList = AlbumListShape::V7;
  PageStyle style;
  std::vector<SampleAlbum> albums;
};

struct ZhanTag {
  int id = 0;
  QString name;
};

struct ZhanPost {
  quint64 id = 0;
  QString title;
  QString month;           // one of the site's months
  int tagId = 0;           // 0: no tag
  bool photoBlock = true;  // the picture stands in a class="photo" block
  SamplePicture picture;
};

struct ZhanSite {
  quint64 id = 0;
  QByteArray path;  // the site's path on the Zhan host
  QString name;
  PageStyle style;
  int postsPerPage = 4;
  QStringList months;  // archive order
  std::vector<ZhanTag> tags;
  std::vector<ZhanPost> posts;  // in month order, newest first within a month
};

// The start-up configuration reply.
struct StartupConfig {
  QString version;
  QString updateUrl;
  QStringList sourceNames;
};

struct SampleSiteContent {
  std::vector<SampleUser> users;
  std::vector<ZhanSite> zhanSites;
  QList<QByteArray> anonymousProfileNames;  // profile pages that name no user
  QString visitorName;                      // the signed-in visitor the pages greet
  StartupConfig startup;

  const SampleUser* FindUser(quint64 id) const;
  const SampleUser* FindProfile(QByteArrayView profileName, bool publicPage) const;
  const ZhanSite* FindZhanSite(QByteArrayView path) const;
  const ZhanSite* FindZhanSite(quint64 id) const;
};

const SampleAlbum* FindAlbum(const SampleUser& user, quint64 albumId);
// Index of picture `pictureId` in `album`, or -1.
qsizetype FindPicture(const SampleAlbum& album, quint64 pictureId);

}  // namespace lumvane
