// The Renren readers over HTTP against the sample site: every list shape and
// page encoding, the pages each address leads to, and single-album pages.

#include <QTest>

#include "CatalogueChecks.h"
#include "CatalogueTestRunners.h"
#include "app/ControlIds.h"
#include "platform/Clock.h"
#include "platform/PathSeparator.h"
#include "samplesite/DemoRenrenUsers.h"
#include "samplesite/PhotoAddresses.h"
#include "support/SiteSession.h"

namespace lumvane {
namespace {

const QString kNothingFound = QStringLiteral(
    "错误原因：\n1.你没有登录你的人人帐号(在登录菜单里登录,登录时需要勾上下次自动登录)\n2.你没有该相册的访问权限.");
const QString kV7List = QStringLiteral("http://photo.renren.com/photo/%1/albumlist/v7?showAll=1#");
const QString kFirstPage = QStringLiteral("http://photo.renren.com/photo/%1/album/relatives?curpage=1");
const QString kFurtherPage = QStringLiteral("http://photo.renren.com/photo/%1/album/relatives/ajax?offset=%2&limit=40");
const QString kSingleRequest =
    QStringLiteral("http://photo.renren.com/photo/%1/ajax?__view=async-html&offset=0&limit=500");

QDateTime PinnedNow() { return QDateTime(QDate(2014, 12, 29), QTime(10, 30, 0)); }

QString AsFolderLevel(const QString& owner) { return owner.isEmpty() ? owner : owner + QChar(kPathSeparator); }

// The names the demo content gives a user's first `count` albums.
QStringList ContentNames(quint64 userId, int count) {
  const SampleSiteContent content = BuildSampleSiteContent();
  QStringList names;
  for (int i = 0; i < count; ++i) names.append(content.FindUser(userId)->albums[static_cast<size_t>(i)].name);
  return names;
}

}  // namespace

class TestRenrenLists : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void listsEveryAlbum_data();
  void listsEveryAlbum();
  void readsSingleAlbumPages_data();
  void readsSingleAlbumPages();
  void missingAlbumAddsNothing_data();
  void missingAlbumAddsNothing();
};

void TestRenrenLists::listsEveryAlbum_data() {
  QTest::addColumn<QString>("address");
  QTest::addColumn<quint64>("userId");  // 0: none
  QTest::addColumn<QString>("owner");
  QTest::addColumn<QStringList>("names");
  QTest::addColumn<QStringList>("knownRow");
  QTest::addColumn<QStringList>("fetched");

  const QString v7Owner = QString::number(kV7UserId);
  QStringList v7Names = ContentNames(kV7UserId, 9);
  v7Names[1] = QStringLiteral("旅行 (1)");
  v7Names[2] = QStringLiteral("20141229103000");  // "?*:|" cleans to nothing
  v7Names[3] = v7Names[3].left(80);
  QTest::newRow("v7 list, vanity name, gzip UTF-8")
      << QStringLiteral("http://www.renren.com/linxiaoxia") << kV7UserId << QStringLiteral("林小夏") << v7Names
      << QStringList{"0005", "私密相册", "   5", "加密相册"}
      << QStringList{QStringLiteral("http://www.renren.com/linxiaoxia"), kV7List.arg(v7Owner)};

  const QString classic = QString::number(kClassicUserId);
  QStringList classicNames = ContentNames(kClassicUserId, 95);
  classicNames[0] = QStringLiteral("头像相册");
  classicNames[1] = QStringLiteral("手机相册");
  classicNames[2] = QStringLiteral("加密相册");
  QTest::newRow("classic list of 95, id=, GBK")
      << QStringLiteral("http://www.renren.com/profile.do?id=240000002") << kClassicUserId << QStringLiteral("陈默")
      << classicNames << QStringList{"0003", "加密相册", "   3", "加密相册"}
      << QStringList{kV7List.arg(classic), kFirstPage.arg(classic), kFurtherPage.arg(classic).arg(40),
                     kFurtherPage.arg(classic).arg(80), kFurtherPage.arg(classic).arg(120)};

  const QString single = QString::number(kSingleRequestUserId);
  QTest::newRow("single-request list, UTF-8 labelled gbk")
      << QStringLiteral("http://www.renren.com/240000003/profile") << kSingleRequestUserId << QStringLiteral("周一鸣")
      << QStringList{"北京", "上海", "广州", "深圳", "杭州", "成都", "西安"} << QStringList{"0001", "北京", "   2", ""}
      << QStringList{kV7List.arg(single), kFirstPage.arg(single), kSingleRequest.arg(single)};

  const QString circling = QString::number(kIgnoresOffsetUserId);
  QTest::newRow("further pages that ignore the offset")
      << QStringLiteral("http://photo.renren.com/photo/240000004/album/relatives") << kIgnoresOffsetUserId
      << QStringLiteral("李回环") << ContentNames(kIgnoresOffsetUserId, 80)
      << QStringList{"0080", "回环 80", "   1", ""}
      << QStringList{kV7List.arg(circling), kFirstPage.arg(circling), kFurtherPage.arg(circling).arg(40),
                     kFurtherPage.arg(circling).arg(80)};

  QTest::newRow("public page, GBK gzip") << QStringLiteral("http://page.renren.com/sheying") << kPublicPageUserId
                                         << QStringLiteral("人人摄影社")
                                         << QStringList{"作品集", "循环分页", "社员合影"}
                                         << QStringList{"0001", "作品集", "  95", ""}
                                         << QStringList{QStringLiteral("http://page.renren.com/sheying"),
                                                        kV7List.arg(kPublicPageUserId)};

  QTest::newRow("vanity page naming nobody")
      << QStringLiteral("http://www.renren.com/wuming") << quint64(0) << QString() << QStringList() << QStringList()
      << QStringList{QStringLiteral("http://www.renren.com/wuming"), kV7List.arg(QString()), kFirstPage.arg(QString()),
                     kSingleRequest.arg(QString())};
}

void TestRenrenLists::listsEveryAlbum() {
  QFETCH(QString, address);
  QFETCH(quint64, userId);
  QFETCH(QString, owner);
  QFETCH(QStringList, names);
  QFETCH(QStringList, knownRow);
  QFETCH(QStringList, fetched);
  const ScopedClockOverride clock(PinnedNow());
  SiteSession site;
  site.RecordFetches();
  TestSession& session = *site.session;
  session.ListAlbums(address);

  QCOMPARE(site.FetchedUrls(), fetched);
  QCOMPARE(session.dlg.ListKind, int(LISTKIND_RENREN));
  QCOMPARE(session.dlg.OwnerName, AsFolderLevel(owner));
  QCOMPARE(session.port.MessageTexts(), names.isEmpty() ? QStringList{kNothingFound} : QStringList());
  const QList<QStringList> rows = session.Rows();
  if (!knownRow.isEmpty()) QVERIFY2(rows.contains(knownRow), qPrintable(knownRow.join(u'|')));

  QList<QStringList> expected;
  const SampleUser* user = site.site.Content().FindUser(userId);
  QCOMPARE(session.dlg.Albums.Count(), int(names.size()));
  for (int i = 0; i < names.size(); ++i) {
    const SampleAlbum& album = user->albums[static_cast<size_t>(i)];
    expected.append(tests::RowCells(i + 1, names[i], tests::CountCell(album.reportedCount),
                                    album.password ? QStringLiteral("加密相册") : QString()));
    const ST_PERLISTRECORD& record = session.dlg.Albums.At(i);
    QCOMPARE(record.strUrl, user->albumList == AlbumListShape::V7 ? V7ListedAlbumUrl(*user, album)
                                                                  : ClassicListedAlbumUrl(*user, album));
    QCOMPARE(record.strCoverUrl, album.cover.Url());
    QCOMPARE(record.nPhotoCount, album.reportedCount);
    QCOMPARE(record.nFlags, album.password ? quint32(ALBUM_PASSWORD) : 0u);
    QCOMPARE(record.nListPos, i);
  }
  QCOMPARE(rows, expected);
  QCOMPARE(tests::RowAlbumIndexes(session), tests::FirstIndexes(int(names.size())));
}

void TestRenrenLists::readsSingleAlbumPages_data() {
  QTest::addColumn<QString>("address");
  QTest::addColumn<QString>("fetched");
  QTest::addColumn<QStringList>("row");
  QTest::addColumn<QString>("owner");
  QTest::addColumn<QString>("albumUrl");

  const QString chenmo5 = QStringLiteral("http://photo.renren.com/photo/240000002/album-1200000005");
  QTest::newRow("classic, GBK") << chenmo5 + u"?frommyphoto#top" << chenmo5 << QStringList{"0001", "花草 5", "   2", ""}
                                << QStringLiteral("陈默") << chenmo5;
  const QString own = QStringLiteral("http://photo.renren.com/photo/240000001/album-1100000106");
  QTest::newRow("classic, the visitor's own: the guest name")
      << own << own << QStringList{"0001", "家庭聚会", "  12", ""} << QStringLiteral("林小夏") << own;
  const QString xian = QStringLiteral("http://photo.renren.com/photo/240000003/album-1300000007");
  QTest::newRow("classic, UTF-8 labelled gbk")
      << xian << xian << QStringList{"0001", "西安", "   2", ""} << QStringLiteral("周一鸣") << xian;

  const QString secret = QStringLiteral("http://photo.renren.com/photo/240000001/album-1100000105/");
  QTest::newRow("v7, the visitor's own: the visitor's name")
      << secret + u"v7#photo" << secret + u"v7" << QStringList{"0001", "私密相册", "   5", ""}
      << QStringLiteral("林小夏") << secret;
  const QString club = QStringLiteral("http://photo.renren.com/photo/600000001/album-1600000003/");
  QTest::newRow("v7, GBK gzip") << club + u"v7" << club + u"v7" << QStringList{"0001", "社员合影", "   8", ""}
                                << QStringLiteral("人人摄影社") << club;
  const QString shanghai = QStringLiteral("http://photo.renren.com/photo/240000003/album-1300000002/");
  QTest::newRow("v7, UTF-8 labelled gbk")
      << shanghai + u"v7?from=list" << shanghai + u"v7" << QStringList{"0001", "上海", "   3", ""}
      << QStringLiteral("周一鸣") << shanghai;
}

void TestRenrenLists::readsSingleAlbumPages() {
  QFETCH(QString, address);
  QFETCH(QString, fetched);
  QFETCH(QStringList, row);
  QFETCH(QString, owner);
  QFETCH(QString, albumUrl);
  SiteSession site;
  site.RecordFetches();
  TestSession& session = *site.session;
  session.ListAlbums(address);

  QCOMPARE(site.FetchedUrls(), QStringList{fetched});
  QCOMPARE(session.Rows(), QList<QStringList>{row});
  QCOMPARE(tests::RowAlbumIndexes(session), tests::FirstIndexes(1));
  QCOMPARE(session.dlg.Albums.At(0).strUrl, albumUrl);
  QCOMPARE(session.dlg.Albums.At(0).strCoverUrl, QString());
  QCOMPARE(session.dlg.OwnerName, AsFolderLevel(owner));
  QCOMPARE(session.dlg.ListKind, int(LISTKIND_RENREN));
  QVERIFY(session.port.MessageTexts().isEmpty());
}

// A page that is no album page (here the site's 404 page) is no album.
void TestRenrenLists::missingAlbumAddsNothing_data() {
  QTest::addColumn<QString>("address");
  QTest::newRow("classic") << QStringLiteral("http://photo.renren.com/photo/240000002/album-1299999999");
  QTest::newRow("v7") << QStringLiteral("http://photo.renren.com/photo/240000002/album-1299999999/v7");
}

void TestRenrenLists::missingAlbumAddsNothing() {
  QFETCH(QString, address);
  SiteSession site;
  TestSession& session = *site.session;
  session.ListAlbums(address);
  QCOMPARE(session.dlg.Albums.Count(), 0);
  QCOMPARE(session.Rows(), QList<QStringList>());
  QCOMPARE(session.port.MessageTexts(), QStringList{kNothingFound});
  QCOMPARE(session.port.ControlText(IDC_STATUS1), QStringLiteral("获取相册列表完成，共0个"));
}

}  // namespace lumvane

int lumvane::tests::RunRenrenListTests(int argc, char** argv) {
  lumvane::TestRenrenLists test;
  return QTest::qExec(&test, argc, argv);
}

#include "TestRenrenLists.moc"
