// Album names as they enter the list, on canned pages: cleaned, made unique
// and kept to 80 characters; and the single-album pages' name limit.

#include <QTest>

#include "CannedPages.h"
#include "CatalogueChecks.h"
#include "CatalogueTestRunners.h"
#include "platform/Clock.h"
#include "support/TestSession.h"

namespace lumvane {
namespace {

const QString kListAddress = QStringLiteral("http://photo.renren.com/photo/7/albumlist/v7?showAll=1#");

// A v7 list page of user 7 with one album per name.
QString V7ListPage(const QStringList& names) {
  QStringList entries;
  for (qsizetype i = 0; i < names.size(); ++i) {
    entries.append(u"{\"cover\":\"http:\\/\\/img.example\\/" + QString::number(i) + u".jpg\",\"albumName\":\"" +
                   names[i] + u"\",\"albumId\":\"" + QString::number(100 + i) +
                   u"\",\"sourceControl\":99,\"photoCount\":1,\"type\":0}");
  }
  return u"<title>人人网 - 测试的相册</title><script>'albumList': {\"albumList\":[" + entries.join(u',') +
         u"]}</script>";
}

QString Letters(qsizetype count, QChar letter = u'a') { return QString(count, letter); }

}  // namespace

class TestAlbumNames : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void namesAreCleanedUniqueAndShort_data();
  void namesAreCleanedUniqueAndShort();
  void singleAlbumNameLimit_data();
  void singleAlbumNameLimit();
};

void TestAlbumNames::namesAreCleanedUniqueAndShort_data() {
  QTest::addColumn<QStringList>("listed");
  QTest::addColumn<QStringList>("names");

  QTest::newRow("three equal") << QStringList{"旅行", "旅行", "旅行"} << QStringList{"旅行", "旅行 (1)", "旅行 (2)"};
  QTest::newRow("a taken number is passed over")
      << QStringList{"旅行", "旅行 (1)", "旅行"} << QStringList{"旅行", "旅行 (1)", "旅行 (2)"};
  QTest::newRow("letter case counts") << QStringList{"Trip", "trip", "TRIP"} << QStringList{"Trip", "trip", "TRIP"};
  QTest::newRow("compared once cleaned") << QStringList{"a/b", "ab", " a:b "} << QStringList{"ab", "ab (1)", "ab (2)"};
  QTest::newRow("empty after cleaning: the time")
      << QStringList{"", "?*:|"} << QStringList{"20141229103000", "20141229103000 (1)"};
  QTest::newRow("100 characters keep 80") << QStringList{Letters(100)} << QStringList{Letters(80)};
  // Cut first, then made unique: the cut must not make two names equal.
  QTest::newRow("equal in their first 80") << QStringList{Letters(80) + u"x", Letters(80) + u"y", Letters(90)}
                                           << QStringList{Letters(80), Letters(76) + u" (1)", Letters(76) + u" (2)"};
  QTest::newRow("80 characters twice") << QStringList{Letters(80), Letters(80)}
                                       << QStringList{Letters(80), Letters(76) + u" (1)"};
  // The page writes the smile as "\\u" escapes of its surrogate pair.
  const QString smile = QString::fromUtf16(u"\U0001F600");
  const QString escapedSmile = QStringLiteral("\\ud83d\\ude00");
  QTest::newRow("no cut inside a character")
      << QStringList{Letters(79) + escapedSmile, Letters(75) + escapedSmile + Letters(10, u'b'),
                     Letters(75) + escapedSmile + Letters(10, u'b')}
      << QStringList{Letters(79), Letters(75) + smile + u"bbb", Letters(75) + u" (1)"};
}

void TestAlbumNames::namesAreCleanedUniqueAndShort() {
  QFETCH(QStringList, listed);
  QFETCH(QStringList, names);
  const ScopedClockOverride clock(QDateTime(QDate(2014, 12, 29), QTime(10, 30, 0)));
  const tests::CannedPages pages(QHash<QString, QString>{{kListAddress, V7ListPage(listed)}});
  TestSession session;
  session.app.fetchers = pages.Factory();
  session.ListAlbums(QStringLiteral("http://www.renren.com/7"));

  QList<QStringList> rows;
  for (int i = 0; i < names.size(); ++i) {
    rows.append(tests::RowCells(i + 1, names[i], tests::CountCell(1)));
    QCOMPARE(session.dlg.Albums.At(i).strName, names[i]);
  }
  QCOMPARE(session.Rows(), rows);
}

// Longer names are no album names: the page is taken for something else.
void TestAlbumNames::singleAlbumNameLimit_data() {
  QTest::addColumn<QString>("address");
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("after");
  QTest::addColumn<int>("length");
  QTest::addColumn<bool>("added");

  const QString v7 = QStringLiteral("http://photo.renren.com/photo/7/album-8/v7");
  const QString v7Before = QStringLiteral("nx.user = {id : '0', name : \"访客\"};\nnx.data.photo = {'albumName':'");
  const QString v7After = QStringLiteral("','photoCount':3,'sourceControl':99};");
  const QString classic = QStringLiteral("http://photo.renren.com/photo/7/album-8");
  const QString classicBefore =
      QStringLiteral("<ul class=\"nav-tabs\"><li>测试</li></ul><div class=\"ablum-infor\"><h1>");
  const QString classicAfter = QStringLiteral("<span class=\"count\">(3张)</span></h1></div>");
  QTest::newRow("v7, 300") << v7 << v7Before << v7After << 300 << true;
  QTest::newRow("v7, 301") << v7 << v7Before << v7After << 301 << false;
  QTest::newRow("classic, 300") << classic << classicBefore << classicAfter << 300 << true;
  QTest::newRow("classic, 301") << classic << classicBefore << classicAfter << 301 << false;
}

void TestAlbumNames::singleAlbumNameLimit() {
  QFETCH(QString, address);
  QFETCH(QString, before);
  QFETCH(QString, after);
  QFETCH(int, length);
  QFETCH(bool, added);
  const tests::CannedPages pages(QHash<QString, QString>{{address, before + Letters(length) + after}});
  TestSession session;
  session.app.fetchers = pages.Factory();
  session.ListAlbums(address);

  if (!added) {
    QCOMPARE(session.Rows(), QList<QStringList>());
    QCOMPARE(session.port.MessageTexts(),
             QStringList{"错误原因：\n1.你没有登录你的人人帐号(在登录菜单里登录,登录时需要勾上下次自动登录)\n2."
                         "你没有该相册的访问权限."});
    return;
  }
  QCOMPARE(session.Rows(), QList<QStringList>{tests::RowCells(1, Letters(80), tests::CountCell(3))});
  QVERIFY(session.port.MessageTexts().isEmpty());
}

}  // namespace lumvane

int lumvane::tests::RunAlbumNameTests(int argc, char** argv) {
  lumvane::TestAlbumNames test;
  return QTest::qExec(&test, argc, argv);
}

#include "TestAlbumNames.moc"
