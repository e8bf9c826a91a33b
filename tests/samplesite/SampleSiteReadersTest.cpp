#include "SampleSiteReadersTest.h"

#include <QTest>

#include "ReaderWalks.h"
#include "samplesite/DemoRenrenUsers.h"
#include "samplesite/PhotoAddresses.h"
#include "samplesite/SampleContentBuilder.h"

namespace lumvane {
namespace {

using namespace Qt::StringLiterals;

const SampleUser& UserOf(const SampleSite& site, quint64 id) { return *site.Content().FindUser(id); }

QString AlbumListUrl(quint64 userId) {
  return u"http://photo.renren.com/photo/" + QString::number(userId) + u"/albumlist/v7?showAll=1#";
}

// The album address as the user's album list gives it to the picture readers.
QString ListedAlbumUrl(const SampleUser& user, const SampleAlbum& album) {
  return user.albumList == AlbumListShape::V7 ? V7ListedAlbumUrl(user, album) : ClassicListedAlbumUrl(user, album);
}

// "address title" per picture, as the album's model says.
QStringList Expected(const std::vector<SamplePicture>& pictures, bool withTitles) {
  QStringList expected;
  for (const SamplePicture& picture : pictures) {
    expected.append(picture.Url() + u' ' + (withTitles ? picture.title : QString()));
  }
  return expected;
}

QStringList Lines(const std::vector<WalkedPicture>& pictures) {
  QStringList lines;
  for (const WalkedPicture& picture : pictures) lines.append(picture.url + u' ' + picture.title);
  return lines;
}

}  // namespace

void SampleSiteReadersTest::initTestCase() {
  site_ = std::make_unique<SampleSite>(BuildSampleSiteContent());
  QVERIFY(site_->Start());
}

void SampleSiteReadersTest::v7ListCarriesEveryAlbum() {
  const SiteClient client(site_->Port());
  const SampleUser& user = UserOf(*site_, kV7UserId);
  QString page = client.Page(AlbumListUrl(user.id));
  QCOMPARE(Between(page, u"<title>人人网 - "_s, u"</title>"_s), user.name + u"的相册");
  page = page.mid(page.indexOf(u"'albumList'"));
  page = page.left(page.indexOf(u"</script>"));
  const QStringList pieces = PiecesAfter(page, u"\"cover\""_s);
  QCOMPARE(pieces.size(), qsizetype(user.albums.size()));
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    const SampleAlbum& album = user.albums[static_cast<size_t>(i)];
    const QString& piece = pieces[i];
    qsizetype at = 0;
    QCOMPARE(Unslash(Between(piece, u"\""_s, u"\""_s, &at)), album.cover.Url());
    QCOMPARE(UnescapeU(Between(piece, u"albumName\":\""_s, u"\""_s, &at)), album.name);
    QCOMPARE(Between(piece, u"albumId\":\""_s, u"\""_s, &at), QString::number(album.id));
    QCOMPARE(piece.indexOf(u"sourceControl\":4,", at) > 0, album.password);
    QCOMPARE(Between(piece, u"photoCount\":"_s, u","_s, &at), QString::number(album.reportedCount));
  }
  // The classic users' v7 lists are there but empty.
  QVERIFY(!client.Page(AlbumListUrl(kClassicUserId)).contains(u"\"cover\""));
}

void SampleSiteReadersTest::classicListCarriesEveryAlbum() {
  const SiteClient client(site_->Port());
  const SampleUser& user = UserOf(*site_, kClassicUserId);
  const QString base = u"http://photo.renren.com/photo/240000002"_s;
  QStringList items;
  for (int offset = 0; offset <= 120; offset += 40) {
    const QString path = offset == 0 ? u"/album/relatives?curpage=1"_s
                                     : u"/album/relatives/ajax?offset=" + QString::number(offset) + u"&limit=40";
    QString page = client.Page(base + path);
    page = page.mid(page.indexOf(u"class=\"album-list"));
    page = page.left(page.indexOf(u"first-page clearfix"));
    items += PiecesAfter(page, u"<li>"_s);
  }
  QCOMPARE(items.size(), qsizetype(user.albums.size()));
  for (qsizetype i = 0; i < items.size(); ++i) {
    const SampleAlbum& album = user.albums[static_cast<size_t>(i)];
    qsizetype at = 0;
    QCOMPARE(Between(items[i], u"href=\""_s, u"\""_s, &at), ClassicListedAlbumUrl(user, album));
    QCOMPARE(Between(items[i], u"data-src=\""_s, u"\""_s, &at), album.cover.Url());
    QCOMPARE(Between(items[i], u"photo-num\">"_s, u"</div>"_s, &at), QString::number(album.reportedCount));
    const QString name = Between(items[i], u"album-name\">"_s, u"</span>"_s, &at);
    QVERIFY(name.startsWith(album.name));
    QCOMPARE(name.indexOf(u"class=\"userhead\"") > 0, album.kind == AlbumKind::Avatar);
    QCOMPARE(name.indexOf(u"class=\"phone") > 0, album.kind == AlbumKind::Mobile);
    QCOMPARE(name.indexOf(u"class=\"password") > 0, album.password);
  }
  QVERIFY(user.albums[0].kind == AlbumKind::Avatar && user.albums[1].kind == AlbumKind::Mobile &&
          user.albums[2].password);
}

void SampleSiteReadersTest::singleAlbumPages_data() {
  QTest::addColumn<quint64>("userId");
  QTest::addColumn<quint64>("albumId");
  QTest::addColumn<QString>("ownerTab");  // classic page's first tab
  QTest::addColumn<QString>("ownerNav");  // v7 page's navigation
  QTest::newRow("visitor's own") << kV7UserId << quint64{1100000107} << u"我的相册"_s << u"我的主页"_s;
  QTest::newRow("someone else's, GBK") << kPublicPageUserId << quint64{1600000001} << u"人人摄影社"_s
                                       << u"人人摄影社"_s;
}

void SampleSiteReadersTest::singleAlbumPages() {
  QFETCH(quint64, userId);
  QFETCH(quint64, albumId);
  QFETCH(QString, ownerTab);
  QFETCH(QString, ownerNav);
  const SiteClient client(site_->Port());
  const SampleUser& user = UserOf(*site_, userId);
  const SampleAlbum& album = *FindAlbum(user, albumId);
  const QString address = PhotoUrl(user, u"/album-" + QString::number(albumId));

  const QString classic = client.Page(address);
  const QString tabs = Between(classic, u"class=\"nav-tabs\">"_s, u"</ul>"_s);
  QVERIFY(Between(tabs, u"<li>"_s, u"</li>"_s).endsWith(u">" + ownerTab + u"</a>"));
  QCOMPARE(Between(classic, u"guestName\" value=\""_s, u"\""_s), site_->Content().visitorName);
  qsizetype at = classic.indexOf(u"class=\"ablum-infor\">");
  QVERIFY(at > 0);
  QCOMPARE(Between(classic, u"<h1>"_s, u"<span"_s, &at), album.name);
  QCOMPARE(Between(classic, u"\">("_s, u"张"_s, &at), QString::number(album.reportedCount));

  const QString v7 = client.Page(address + u"/v7");
  at = 0;
  QCOMPARE(Between(v7, u"name : \""_s, u"\""_s, &at), site_->Content().visitorName);
  QCOMPARE(Between(v7, u"albumName':'"_s, u"'"_s, &at), album.name);
  QCOMPARE(Between(v7, u"photoCount':"_s, u","_s, &at), QString::number(album.reportedCount));
  at = v7.indexOf(u"fd-nav-item", at);
  QVERIFY(at > 0);
  QVERIFY(Between(v7, u"/profile\">"_s, u"</"_s, &at) == ownerNav);
}

void SampleSiteReadersTest::vanityNamesGiveUserIds_data() {
  QTest::addColumn<QString>("url");
  QTest::addColumn<QString>("userId");
  QTest::newRow("profile") << u"http://www.renren.com/linxiaoxia"_s << u"240000001"_s;
  QTest::newRow("GBK profile") << u"http://www.renren.com/chenmo"_s << u"240000002"_s;
  QTest::newRow("public page") << u"http://page.renren.com/sheying"_s << u"600000001"_s;
  QTest::newRow("neither marker") << u"http://www.renren.com/wuming"_s << QString();
}

void SampleSiteReadersTest::vanityNamesGiveUserIds() {
  QFETCH(QString, url);
  QFETCH(QString, userId);
  const QString page = SiteClient(site_->Port()).Page(url);
  QVERIFY(!page.isEmpty());
  QString id = Between(page, u"pid: '"_s, u"'"_s);
  if (id.isEmpty()) id = Between(page, u"profile_owner ="_s, u";"_s);
  QCOMPARE(id.trimmed(), userId);
}

void SampleSiteReadersTest::pictureReadersFollowTheAlbumShape_data() {
  QTest::addColumn<quint64>("userId");
  QTest::addColumn<quint64>("albumId");
  for (const SampleUser& user : site_->Content().users) {
    // A sample of the classic users' many small albums is enough.
    const size_t count =
        user.albumList == AlbumListShape::V7 ? user.albums.size() : std::min<size_t>(5, user.albums.size());
    for (size_t i = 0; i < count; ++i) {
      const SampleAlbum& album = user.albums[i];
      QTest::addRow("%s %llu", qPrintable(user.name), static_cast<unsigned long long>(album.id)) << user.id << album.id;
    }
  }
}

void SampleSiteReadersTest::pictureReadersFollowTheAlbumShape() {
  QFETCH(quint64, userId);
  QFETCH(quint64, albumId);
  const SiteClient client(site_->Port());
  const SampleUser& user = UserOf(*site_, userId);
  const SampleAlbum& album = *FindAlbum(user, albumId);
  const QString url = ListedAlbumUrl(user, album);
  const QStringList none;

  // A query on the listed address leaves the v7 reader on the album page.
  const bool v7Works = album.pictureList == PictureListShape::V7 && !url.contains(u'?');
  QStringList v7Expected = Expected(album.pictures, false);
  if (album.v7IgnoresPage) v7Expected = v7Expected.mid(0, 40);  // the same first page again and again
  QCOMPARE(Lines(WalkV7Pages(client, url)), v7Works ? v7Expected : none);

  const bool ajaxWorks = album.pictureList <= PictureListShape::Ajax;
  QCOMPARE(Lines(WalkAjaxPages(client, url)), ajaxWorks ? Expected(album.pictures, true) : none);

  const bool photoPagesWork = album.pictureList <= PictureListShape::PhotoPages;
  QCOMPARE(Lines(WalkPhotoPages(client, url)), photoPagesWork ? Expected(album.pictures, true) : none);
}

void SampleSiteReadersTest::zhanArchiveByMonth() {
  const SiteClient client(site_->Port());
  const ZhanSite& site = site_->Content().zhanSites.front();
  const QString front = client.Page(u"http://zhan.renren.com/"_s + QString::fromLatin1(site.path));
  QCOMPARE(Between(front, u"site_id="_s, u"\""_s), QString::number(site.id));
  QCOMPARE(Between(front, u"name:'"_s, u"'"_s), site.name);

  QString archive = client.Page(u"http://zhan.renren.com/archive?site_id="_s + QString::number(site.id));
  archive = archive.mid(archive.indexOf(u"class=\"time_control"));
  archive = archive.left(archive.indexOf(u"</section>"));
  QStringList months;
  for (const QString& piece : PiecesAfter(archive, u"mark=\""_s)) months.append(piece.left(piece.indexOf(u'"')));
  QCOMPARE(months, site.months);

  const QString separator = u"<div id=\\\""_s;
  std::vector<const ZhanPost*> expected;
  for (const ZhanPost& post : site.posts) expected.push_back(&post);
  size_t next = 0;
  int pagesWithPosts = 0;
  for (const QString& month : months) {
    for (int page = 0;; ++page) {
      const QString text =
          client.Page(u"http://zhan.renren.com/archive/archiveByTime?site_id="_s + QString::number(site.id) +
                      u"&month=" + month + u"&page=" + QString::number(page));
      if (!text.contains(separator)) break;
      ++pagesWithPosts;
      for (const QString& piece : PiecesAfter(text, separator)) {
        QVERIFY(next < expected.size());
        const ZhanPost& post = *expected[next++];
        QCOMPARE(post.month, month);
        QCOMPARE(piece.left(piece.indexOf(u"\\\"")).remove(u"feed"_s), QString::number(post.id));
        QCOMPARE(UnescapeU(Between(piece, u"class=\\\"title\\\">"_s, u"<\\/"_s)), post.title);
        const QString postUrl = u"http://zhan.renren.com/"_s + QString::fromLatin1(site.path) + u"?gid=" +
                                QString::number(post.id) + u"&ajax=true";
        QCOMPARE(WalkZhanPost(client, postUrl), post.picture.Url());
      }
    }
  }
  QCOMPARE(next, expected.size());
  QVERIFY(pagesWithPosts > int(months.size()));  // some months run over several pages
  QVERIFY(std::any_of(site.posts.begin(), site.posts.end(), [](const ZhanPost& post) { return !post.photoBlock; }));
}

void SampleSiteReadersTest::zhanArchiveByTag() {
  const SiteClient client(site_->Port());
  const ZhanSite& site = site_->Content().zhanSites.front();
  for (const ZhanTag& tag : site.tags) {
    const QString front = client.Page(u"http://zhan.renren.com/"_s + QString::fromLatin1(site.path) + u"?tagId=" +
                                      QString::number(tag.id));
    const QString entry = Between(front, u"class=\"s\""_s, u"</li>"_s);
    QCOMPARE(Between(entry, u">"_s, u"<"_s), tag.name);
    QStringList found;
    for (int page = 0; page < 20; ++page) {
      const QString text =
          client.Page(u"http://zhan.renren.com/archive/archiveByTag?site_id="_s + QString::number(site.id) +
                      u"&tag_id=" + QString::number(tag.id) + u"&page=" + QString::number(page));
      const QStringList pieces = PiecesAfter(text, u"<div id=\\\""_s);
      if (pieces.isEmpty()) break;
      for (const QString& piece : pieces) found.append(piece.left(piece.indexOf(u"\\\"")).remove(u"feed"_s));
    }
    QStringList expected;
    for (const ZhanPost& post : site.posts) {
      if (post.tagId == tag.id) expected.append(QString::number(post.id));
    }
    QVERIFY(!expected.isEmpty());
    QCOMPARE(found, expected);
  }
}

}  // namespace lumvane
