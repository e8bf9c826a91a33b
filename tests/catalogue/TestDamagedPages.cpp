// Every reader on pages cut short anywhere: the real pages of the sample site,
// each cut at a couple of hundred places in turn while the others stay whole.
// The job must end, find no more than from the whole pages, and leave only
// albums with usable names.

#include <QSet>
#include <QTest>

#include "CannedPages.h"
#include "CatalogueTestRunners.h"
#include "catalogue/AlbumRecord.h"
#include "support/SiteSession.h"

namespace lumvane {
namespace {

constexpr int kCutsPerPage = 200;

// The pages the job fetches for `address`, as the readers get them.
QHash<QString, QString> PagesOfAJob(const QString& address, int& albums) {
  SiteSession site;
  site.RecordFetches();
  site.session->ListAlbums(address);
  albums = site.session->dlg.Albums.Count();
  QHash<QString, QString> pages;
  const auto fetcher = site.session->app.fetchers();
  for (const QString& url : site.FetchedUrls()) {
    QString text;
    if (!pages.contains(url) && fetcher->FetchText(url, text)) pages.insert(url, text);
  }
  return pages;
}

// Empty when the list is sound, else what is wrong with it.
QString ProblemWithAlbums(const CLumvaneDlg& dlg, int mostAlbums) {
  if (dlg.ListState != LIST_IDLE) return QStringLiteral("the job did not end");
  if (dlg.Albums.Count() > mostAlbums) return QStringLiteral("more albums than the whole pages give");
  QSet<QString> names;
  for (int i = 0; i < dlg.Albums.Count(); ++i) {
    const QString& name = dlg.Albums.At(i).strName;
    if (name.isEmpty() || name.size() > kAlbumNameMax) return u"unusable name \"" + name + u'"';
    if (names.contains(name)) return u"repeated name \"" + name + u'"';
    names.insert(name);
  }
  return {};
}

}  // namespace

class TestDamagedPages : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void pagesCutShort_data();
  void pagesCutShort();
};

void TestDamagedPages::pagesCutShort_data() {
  QTest::addColumn<QString>("address");
  QTest::newRow("v7 list") << QStringLiteral("http://www.renren.com/linxiaoxia");
  QTest::newRow("classic list") << QStringLiteral("http://www.renren.com/240000002");
  QTest::newRow("single-request list") << QStringLiteral("http://www.renren.com/240000003");
  QTest::newRow("classic album page") << QStringLiteral("http://photo.renren.com/photo/240000002/album-1200000005");
  QTest::newRow("v7 album page") << QStringLiteral("http://photo.renren.com/photo/240000001/album-1100000105/v7");
  QTest::newRow("Zhan archive") << QStringLiteral("http://zhan.renren.com/guangying");
  QTest::newRow("Zhan tag") << QStringLiteral("http://zhan.renren.com/guangying?tagId=31");
}

void TestDamagedPages::pagesCutShort() {
  QFETCH(QString, address);
  int wholeAlbums = 0;
  const QHash<QString, QString> pages = PagesOfAJob(address, wholeAlbums);
  QVERIFY(wholeAlbums > 0);

  TestSession session;
  for (auto page = pages.cbegin(); page != pages.cend(); ++page) {
    const qsizetype step = std::max<qsizetype>(1, page->size() / kCutsPerPage);
    for (qsizetype cut = 0; cut < page->size(); cut += step) {
      QHash<QString, QString> damaged = pages;
      damaged[page.key()] = page->left(cut);
      session.app.fetchers = tests::CannedPages(damaged).Factory();
      session.ListAlbums(address);
      const QString problem = ProblemWithAlbums(session.dlg, wholeAlbums);
      QVERIFY2(problem.isEmpty(), qPrintable(page.key() + u" cut at " + QString::number(cut) + u": " + problem));
    }
  }
}

}  // namespace lumvane

int lumvane::tests::RunDamagedPageTests(int argc, char** argv) {
  lumvane::TestDamagedPages test;
  return QTest::qExec(&test, argc, argv);
}

#include "TestDamagedPages.moc"
