// The Zhan archive reader over HTTP against the sample site: months page by
// page, a tag's archive, and what each post becomes; and, on canned pages,
// a server that ignores the page number.

#include <QTest>

#include "CannedPages.h"
#include "CatalogueChecks.h"
#include "CatalogueTestRunners.h"
#include "platform/PathSeparator.h"
#include "samplesite/DemoZhanSite.h"
#include "support/SiteSession.h"

namespace lumvane {
namespace {

const QString kZhanNothingFound =
    QStringLiteral("1、没有获取到相册，需要你在登录菜单里登录一个人人帐号(登录时勾上下次自动登录)后重新获取");
const QString kByTime =
    QStringLiteral("http://zhan.renren.com/archive/archiveByTime?site_id=7100000001&month=%1&page=%2");
const QString kByTag =
    QStringLiteral("http://zhan.renren.com/archive/archiveByTag?site_id=7100000001&tag_id=%1&page=%2");

QString AsFolderLevel(const QString& name) { return name.isEmpty() ? name : name + QChar(kPathSeparator); }

}  // namespace

class TestZhanArchive : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void readsTheArchive_data();
  void readsTheArchive();
  void unknownSiteFindsNothing();
  void pagesThatRepeatEndTheMonth();
};

void TestZhanArchive::readsTheArchive_data() {
  QTest::addColumn<QString>("address");
  QTest::addColumn<int>("tagId");  // 0: every post
  QTest::addColumn<QString>("tagName");
  QTest::addColumn<QString>("firstName");
  QTest::addColumn<QStringList>("fetched");

  const QString site = QStringLiteral("http://zhan.renren.com/guangying");
  const QString months = QStringLiteral("http://zhan.renren.com/archive?site_id=7100000001");
  QTest::newRow("three months") << site << 0 << QString() << QStringLiteral("初雪 之1")
                                << QStringList{site,
                                               months,
                                               kByTime.arg("201412").arg(0),
                                               kByTime.arg("201412").arg(1),
                                               kByTime.arg("201412").arg(2),
                                               kByTime.arg("201412").arg(3),
                                               kByTime.arg("201411").arg(0),
                                               kByTime.arg("201411").arg(1),
                                               kByTime.arg("201411").arg(2),
                                               kByTime.arg("201410").arg(0),
                                               kByTime.arg("201410").arg(1)};
  QTest::newRow("a tag") << site + u"?tagId=32" << 32 << QStringLiteral("人像") << QStringLiteral("湖畔 之2")
                         << QStringList{site + u"?tagId=32", kByTag.arg(32).arg(0), kByTag.arg(32).arg(1),
                                        kByTag.arg(32).arg(2)};
  QTest::newRow("a tag before other parameters")
      << site + u"?tagId=33&from=home" << 33 << QStringLiteral("街拍") << QStringLiteral("老街 之3")
      << QStringList{site + u"?tagId=33&from=home", kByTag.arg(33).arg(0), kByTag.arg(33).arg(1),
                     kByTag.arg(33).arg(2)};
}

void TestZhanArchive::readsTheArchive() {
  QFETCH(QString, address);
  QFETCH(int, tagId);
  QFETCH(QString, tagName);
  QFETCH(QString, firstName);
  QFETCH(QStringList, fetched);
  SiteSession site;
  site.RecordFetches();
  TestSession& session = *site.session;
  session.ListAlbums(address);

  QCOMPARE(site.FetchedUrls(), fetched);
  QCOMPARE(session.dlg.ListKind, int(LISTKIND_ZHAN));
  QCOMPARE(session.dlg.OwnerName, AsFolderLevel(QStringLiteral("光影札记")));
  QCOMPARE(session.dlg.TagName, AsFolderLevel(tagName));
  QVERIFY(session.port.MessageTexts().isEmpty());

  // Titles come "\u"-escaped; post elements are named "feed<id>".
  QList<QStringList> expected;
  QStringList urls;
  for (const ZhanPost& post : site.site.Content().FindZhanSite(kZhanSiteId)->posts) {
    if (tagId != 0 && post.tagId != tagId) continue;
    expected.append(tests::RowCells(int(expected.size()) + 1, post.title, QStringLiteral("未知")));
    urls.append(u"http://zhan.renren.com/guangying?gid=" + QString::number(post.id) + u"&ajax=true");
  }
  QCOMPARE(session.Rows(), expected);
  QCOMPARE(session.Rows().value(0).value(1), firstName);
  QCOMPARE(tests::RowAlbumIndexes(session), tests::FirstIndexes(int(expected.size())));
  for (int i = 0; i < session.dlg.Albums.Count(); ++i) {
    const ST_PERLISTRECORD& record = session.dlg.Albums.At(i);
    QCOMPARE(record.strUrl, urls[i]);
    QCOMPARE(record.strCoverUrl, QString());
    QCOMPARE(record.nPhotoCount, -1);
    QCOMPARE(record.nFlags, 0u);
  }
}

void TestZhanArchive::unknownSiteFindsNothing() {
  SiteSession site;
  TestSession& session = *site.session;
  session.ListAlbums(QStringLiteral("http://zhan.renren.com/nosuchsite"));
  QCOMPARE(session.dlg.Albums.Count(), 0);
  QCOMPARE(session.port.MessageTexts(), QStringList{kZhanNothingFound});
  QCOMPARE(session.dlg.OwnerName, QString());
}

// A server that answers every page number with the first page.
void TestZhanArchive::pagesThatRepeatEndTheMonth() {
  const QString posts =
      QStringLiteral(R"({"html":"<div id=\"feed11\" class=\"item\"><h3 class=\"title\">\u56de\u73af<\/h3><\/div>"})");
  const tests::CannedPages pages([&](const QString& url) -> std::optional<QString> {
    if (url == u"http://zhan.renren.com/loop") return QStringLiteral("<a href=\"/archive?site_id=9\">x</a>name:'环'");
    if (url == u"http://zhan.renren.com/archive?site_id=9") {
      return QStringLiteral("<div class=\"time_control\"><a mark=\"201401\"></a><a mark=\"201402\"></a></section>");
    }
    if (url.startsWith(u"http://zhan.renren.com/archive/archiveByTime?site_id=9&month=")) return posts;
    return std::nullopt;
  });
  TestSession session;
  session.app.fetchers = pages.Factory();
  session.ListAlbums(QStringLiteral("http://zhan.renren.com/loop"));

  QCOMPARE(session.Rows(),
           (QList<QStringList>{tests::RowCells(1, "回环", "未知"), tests::RowCells(2, "回环 (1)", "未知")}));
  const QStringList fetched = pages.Fetched();
  QCOMPARE(fetched.size(), 6);
  QVERIFY(fetched.endsWith(kByTime.arg("201402").arg(1).replace("7100000001", "9")));
}

}  // namespace lumvane

int lumvane::tests::RunZhanArchiveTests(int argc, char** argv) {
  lumvane::TestZhanArchive test;
  return QTest::qExec(&test, argc, argv);
}

#include "TestZhanArchive.moc"
