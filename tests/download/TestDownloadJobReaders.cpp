// The download job over HTTP against the sample site: what each picture
// reader collects (addresses, names, referrer lines), the fall-back from one
// reader to the next, the password question, and site texts that must not
// lead the files out of the save folder.

#include <QDirIterator>
#include <QFile>
#include <QTest>
#include <algorithm>

#include "DownloadJobRig.h"
#include "samplesite/DemoRenrenUsers.h"

namespace lumvane {
namespace {

const QString kLinXiaoxia = QStringLiteral("http://www.renren.com/linxiaoxia");
const QString kChenmo = QStringLiteral("http://www.renren.com/chenmo");
const QString kGuangying = QStringLiteral("http://zhan.renren.com/guangying");

QString Photo(const QString& rest) { return u"http://photo.renren.com/photo/240000001" + rest; }

QString Referer(const QString& page) { return u"Referer: " + page; }

// The batch of the album downloaded last holds `album`'s pictures in site
// order under `names` with `headers`, and every file holds the site's bytes.
void ExpectAlbum(DownloadJobRig& rig, const QString& folder, const SampleAlbum& album, const QStringList& names,
                 const QStringList& headers) {
  const DownloadBatch& batch = rig.Session().app.batch;
  QStringList urls;
  for (const SamplePicture& picture : album.pictures) urls.append(picture.Url());
  QCOMPARE(batch.folder, rig.SaveFolder() + folder);
  QCOMPARE(batch.Urls(), urls);
  QCOMPARE(batch.Names(), names);
  QCOMPARE(batch.Headers(), headers);
  for (size_t i = 0; i < album.pictures.size(); ++i) {
    QVERIFY2(rig.SavedFile(folder + names[static_cast<qsizetype>(i)]) == rig.Bytes(album.pictures[i]),
             qPrintable(names[static_cast<qsizetype>(i)]));
  }
}

}  // namespace

class TestDownloadJobReaders : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void v7ReaderNamesPicturesInSequence();
  void ajaxReaderTakesTitlesAndLargePages();
  void pageReaderWalksTheLinksToPositionOne();
  void zhanReaderTakesThePostsPicture_data();
  void zhanReaderTakesThePostsPicture();
  void passwordAlbumAsksFirst_data();
  void passwordAlbumAsksFirst();
  void albumsOfOneNameKeepTheirOwnFolders();
  void siteTextsStayInsideTheSaveFolder();
};

void TestDownloadJobReaders::v7ReaderNamesPicturesInSequence() {
  DownloadJobRig rig;
  rig.List(kLinXiaoxia, {1});
  rig.RecordFetches();
  rig.Download();
  const QString page = Photo(QStringLiteral("/album-1100000101/bypage/ajax/v7?page=%1&pageSize=40"));
  QCOMPARE(rig.FetchedUrls(), (QStringList{page.arg(1), page.arg(2), page.arg(3)}));
  QStringList names;
  QStringList headers;
  for (int i = 1; i <= 45; ++i) {
    names.append(QString::number(i) + u".jpg");
    headers.append(Referer(page.arg(i <= 40 ? 1 : 2)));
  }
  ExpectAlbum(rig, QStringLiteral("林小夏/旅行/"), rig.Album(kV7UserId, 1100000101), names, headers);
}

void TestDownloadJobReaders::ajaxReaderTakesTitlesAndLargePages() {
  DownloadJobRig rig;
  rig.List(kLinXiaoxia, {6});
  rig.RecordFetches();
  rig.Download();
  const SampleAlbum& album = rig.Album(kV7UserId, 1100000106);
  const QString list = Photo(QStringLiteral("/album-1100000106//bypage/ajax?curPage=%1&pagenum=65535"));
  // The v7 reader finds nothing; the Ajax reader reads the album page, the
  // list, and the picture page of each picture listed by a medium address.
  QStringList fetched = {Photo(QStringLiteral("/album-1100000106/bypage/ajax/v7?page=1&pageSize=40")),
                         Photo(QStringLiteral("/album-1100000106/")), list.arg(0)};
  for (const SamplePicture& picture : album.pictures) {
    if (picture.sizeName == "large_")
      fetched.append(Photo(u"/photo-" + QString::number(picture.id) + u"/large?xtype=album"));
  }
  fetched.append(list.arg(1));
  QCOMPARE(fetched.size(), 8);
  QCOMPARE(rig.FetchedUrls(), fetched);
  const QStringList names = {"聚会合影 1.jpg", "聚会合影 2.jpg",  "聚会合影 3.jpg",  "聚会合影 4.jpg",
                             "家庭聚会.jpg",   "聚会合影 6.jpg",  "聚会合影 7.jpg",  "聚会合影 8.jpg",
                             "聚会合影 9.jpg", "聚会合影 10.jpg", "聚会合影 11.jpg", "聚会合影 12.jpg"};
  ExpectAlbum(rig, QStringLiteral("林小夏/家庭聚会/"), album, names, QStringList(12, Referer(list.arg(0))));
}

void TestDownloadJobReaders::pageReaderWalksTheLinksToPositionOne() {
  DownloadJobRig rig;
  rig.List(kLinXiaoxia, {7});
  rig.RecordFetches();
  rig.Download();
  const SampleAlbum& album = rig.Album(kV7UserId, 1100000107);
  const QString photos = Photo(QStringLiteral("/album-1100000107/photos"));
  // Each list page ends with the link to the pictures after its last one;
  // the third page reaches position 1, and its last link is not followed.
  const QString second = Photo(u"/photo-" + QString::number(album.pictures[9].id));
  const QString third = Photo(u"/photo-" + QString::number(album.pictures[19].id));
  QCOMPARE(rig.FetchedUrls(),
           (QStringList{Photo(QStringLiteral("/album-1100000107/bypage/ajax/v7?page=1&pageSize=40")),
                        Photo(QStringLiteral("/album-1100000107/")),
                        Photo(QStringLiteral("/album-1100000107//bypage/ajax?curPage=0&pagenum=65535")),
                        Photo(QStringLiteral("/album-1100000107/")), photos, second, third}));
  QStringList names;
  QStringList headers;
  for (int i = 0; i < 25; ++i) {
    names.append(i == 9 ? QStringLiteral("毕业照.jpg") : u"毕业 " + QString::number(i + 1) + u".jpg");
    headers.append(Referer(i < 10 ? photos : i < 20 ? second : third));
  }
  ExpectAlbum(rig, QStringLiteral("林小夏/毕业照/"), album, names, headers);
}

void TestDownloadJobReaders::zhanReaderTakesThePostsPicture_data() {
  QTest::addColumn<int>("post");
  QTest::addColumn<QString>("title");
  QTest::newRow("picture in a photo block") << 0 << QStringLiteral("初雪 之1");
  QTest::newRow("plain picture after the site's logo") << 4 << QStringLiteral("归途 之5");
}

void TestDownloadJobReaders::zhanReaderTakesThePostsPicture() {
  QFETCH(int, post);
  QFETCH(QString, title);
  DownloadJobRig rig;
  const ZhanPost& shown = rig.Content().zhanSites.front().posts[static_cast<size_t>(post)];
  QCOMPARE(shown.photoBlock, post == 0);
  rig.Session().ListAlbums(kGuangying);
  const QList<QStringList> rows = rig.Session().Rows();
  const auto row = std::find_if(rows.begin(), rows.end(), [&](const QStringList& cells) { return cells[1] == title; });
  QVERIFY(row != rows.end());
  rig.Session().TickRows({static_cast<int>(row - rows.begin()) + 1});
  rig.RecordFetches();
  rig.Download();

  const QString page = u"http://zhan.renren.com/guangying?gid=" + QString::number(shown.id) + u"&ajax=true";
  QCOMPARE(rig.FetchedUrls(), QStringList{page});
  const DownloadBatch& batch = rig.Session().app.batch;
  QCOMPARE(batch.Urls(), QStringList{shown.picture.Url()});
  QCOMPARE(batch.Names(), QStringList{title + u".jpg"});
  QCOMPARE(batch.Headers(), QStringList{Referer(page)});
  QCOMPARE(rig.SavedFile(u"光影札记/" + title + u'/' + title + u".jpg"), rig.Bytes(shown.picture));
}

void TestDownloadJobReaders::passwordAlbumAsksFirst_data() {
  QTest::addColumn<QString>("address");
  QTest::addColumn<int>("row");
  QTest::addColumn<bool>("yes");
  QTest::addColumn<int>("questions");
  QTest::addColumn<QStringList>("logins");
  QTest::addColumn<QString>("folder");
  QTest::addColumn<int>("pictures");

  const QString v7Album = Photo(QStringLiteral("/album-1100000105/"));
  QTest::newRow("v7 album, no: read all the same")
      << kLinXiaoxia << 5 << false << 1 << QStringList{} << QStringLiteral("林小夏/私密相册/") << 5;
  QTest::newRow("v7 album, yes: sign in at the album")
      << kLinXiaoxia << 5 << true << 1 << QStringList{v7Album} << QStringLiteral("林小夏/私密相册/") << 5;
  // The classic list links the album with a query; the v7 reader finds
  // nothing there, so the Ajax reader asks again.
  QTest::newRow("classic album, no: nothing read")
      << kChenmo << 3 << false << 3 << QStringList{} << QStringLiteral("陈默/同学 3/") << 0;
  QTest::newRow("classic album, yes: the password page of the album")
      << kChenmo << 3 << true << 2
      << QStringList{"http://photo.renren.com/photo/240000002/album-1200000003?frommyphoto",
                     "http://photo.renren.com/photo/240000002/album-1200000003/private"}
      << QStringLiteral("陈默/同学 3/") << 3;
}

void TestDownloadJobReaders::passwordAlbumAsksFirst() {
  QFETCH(QString, address);
  QFETCH(int, row);
  QFETCH(bool, yes);
  QFETCH(int, questions);
  QFETCH(QStringList, logins);
  QFETCH(QString, folder);
  QFETCH(int, pictures);
  DownloadJobRig rig;
  RecordingPort& port = rig.Session().port;
  port.AnswerQuestions(yes ? MessageAnswer::Yes : MessageAnswer::No);
  rig.List(address, {row});
  rig.Download();
  const QList<RecordingPort::Message> messages = port.Messages();
  QCOMPARE(messages.size(), questions);
  for (const RecordingPort::Message& message : messages) {
    QCOMPARE(message.text, QStringLiteral("加密相册,是否输入密码"));
    QCOMPARE(message.caption, QStringLiteral("提示"));
    QCOMPARE(message.buttons, MessageButtons::YesNo);
  }
  QCOMPARE(port.Logins(), logins);
  QCOMPARE(rig.Session().app.batch.Count(), pictures);
  QCOMPARE(QDir(rig.SaveFolder() + folder).entryList(QDir::Files).size(), pictures);
}

// The classic list links albums so that the Ajax reader reads them and
// takes the album's name from its page: two albums of one name must still
// not share a folder, or the second one's pictures replace the first one's.
void TestDownloadJobReaders::albumsOfOneNameKeepTheirOwnFolders() {
  SampleSiteContent content = BuildSampleSiteContent();
  SampleUser& user = *std::find_if(content.users.begin(), content.users.end(),
                                   [](const SampleUser& u) { return u.id == kClassicUserId; });
  const SampleAlbum& first = user.albums[4];
  SampleAlbum& second = user.albums[5];
  QCOMPARE(first.name, QStringLiteral("花草 5"));
  second.name = first.name;
  for (size_t i = 0; i < first.pictures.size(); ++i) second.pictures[i].title = first.pictures[i].title;
  DownloadJobRig rig(content);
  rig.List(kChenmo, {5, 6});
  rig.Download();

  const QList<QStringList> rows = rig.Session().Rows();
  QCOMPARE(rows[4][1], QStringLiteral("花草 5"));
  QCOMPARE(rows[5][1], QStringLiteral("花草 5 (1)"));
  const SampleAlbum& served = rig.Album(kClassicUserId, second.id);
  QCOMPARE(rig.SavedTree(),
           (QStringList{"陈默", "陈默/花草 5", "陈默/花草 5 (1)", "陈默/花草 5 (1)/.pic.orv",
                        "陈默/花草 5 (1)/夜景 6 3.jpg", "陈默/花草 5 (1)/花草 5 1.jpg", "陈默/花草 5 (1)/花草 5 2.jpg",
                        "陈默/花草 5/.pic.orv", "陈默/花草 5/花草 5 1.jpg", "陈默/花草 5/花草 5 2.jpg"}));
  const SampleAlbum& kept = rig.Album(kClassicUserId, first.id);
  QCOMPARE(rig.SavedFile(QStringLiteral("陈默/花草 5/花草 5 1.jpg")), rig.Bytes(kept.pictures[0]));
  QCOMPARE(rig.SavedFile(QStringLiteral("陈默/花草 5 (1)/花草 5 1.jpg")), rig.Bytes(served.pictures[0]));
}

// A site whose album, owner and picture titles name places outside the
// save folder, absolute or by climbing.
void TestDownloadJobReaders::siteTextsStayInsideTheSaveFolder() {
  QTemporaryDir root;
  const QString save = root.path() + QStringLiteral("/a/save");
  const QString outside = root.path() + QStringLiteral("/outside");
  QVERIFY(QDir().mkpath(outside));

  FixtureServer server;
  FixtureScript albumPage;
  albumPage.headers = {{"Content-Type", "text/html; charset=utf-8"}};
  albumPage.body =
      "<html><body><ul class=\"nav-tabs\"><li><a href=\"#\">../../owner</a></li></ul>\n"
      "<div class=\"ablum-infor\"><h1>../../up<span class=\"count\">(4\xE5\xBC\xA0)</span></h1></div>"
      "</body></html>";
  server.Serve("/photo/1/album-2", albumPage);
  const QStringList titles = {outside + u"/evil.jpg", QStringLiteral("../../../evil"), save + u"/../evil.jpg",
                              QStringLiteral("..\\..\\evil")};
  FixtureScript list;
  list.headers = {{"Content-Type", "application/json; charset=utf-8"}};
  list.body = "{\"photoList\":[";
  for (int i = 0; i < titles.size(); ++i) {
    const QByteArray n = QByteArray::number(i + 1);
    list.body += "{\"position\":" + n + ",\"largeUrl\":\"http:\\/\\/fmn.rrimg.com\\/xlarge_" + n +
                 ".jpg\",\"title\":\"" + titles[i].toUtf8() + "\",\"photoId\":\"" + n + "\"},";
    FixtureScript picture;
    picture.headers = {{"Content-Type", "image/jpeg"}};
    picture.body = "picture " + n;
    server.Serve("/xlarge_" + n + ".jpg", picture);
  }
  list.body += "]}";
  server.Serve("/photo/1/album-2/bypage/ajax", list);

  const QString port = QString::number(server.Port());
  TestSession session({u"photo.renren.com:80:127.0.0.1:" + port, u"fmn.rrimg.com:80:127.0.0.1:" + port});
  session.ListAlbums(QStringLiteral("http://photo.renren.com/photo/1/album-2"));
  session.TickRows();
  session.Download(save);

  QCOMPARE(session.app.batch.Count(), 4);
  QStringList bodies;
  QDirIterator it(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    QVERIFY2(path.startsWith(save + u'/'), qPrintable(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    if (!it.fileName().startsWith(u'.')) bodies.append(QString::fromLatin1(file.readAll()));
  }
  bodies.sort();
  QCOMPARE(bodies, (QStringList{"picture 1", "picture 2", "picture 3", "picture 4"}));
}

}  // namespace lumvane

QTEST_GUILESS_MAIN(lumvane::TestDownloadJobReaders)
#include "TestDownloadJobReaders.moc"
