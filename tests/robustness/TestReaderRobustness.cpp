// The readers on damaged pages: every page the site serves is cut short,
// has pieces removed or repeated, or gets noise, by a seeded generator.
// Whatever arrives, the jobs end, nothing crashes, and nothing is written
// outside the save folder. The download job only writes address lists here:
// damaged picture addresses are the HTTP client's business.

#include <QDir>
#include <QDirIterator>
#include <QRandomGenerator>
#include <QTest>
#include <QUrl>

#include "app/AppContext.h"
#include "catalogue/AlbumListJob.h"
#include "download/AlbumPictureReaders.h"
#include "samplesite/DemoRenrenUsers.h"
#include "support/SiteSession.h"

namespace lumvane {
namespace {

// The real page, damaged in one of several ways chosen by the seed. An
// address whose host was damaged fails at once: the tests stay on loopback.
class DamagingFetcher : public PageFetcher {
 public:
  DamagingFetcher(std::unique_ptr<PageFetcher> inner, quint32 seed) : inner_(std::move(inner)), random_(seed) {}

  bool FetchText(const QString& url, QString& text) override {
    text.clear();
    if (!SampleSite::HostNames().contains(QUrl(url).host().toLatin1())) return false;
    const bool fetched = inner_->FetchText(url, text);
    if (text.isEmpty()) return fetched;
    const auto at = [&] { return static_cast<qsizetype>(random_.bounded(static_cast<quint32>(text.size()))); };
    switch (random_.bounded(5)) {
      case 0:  // cut short
        text.truncate(at());
        break;
      case 1: {  // a stretch removed
        const qsizetype from = at();
        text.remove(from, random_.bounded(4000));
        break;
      }
      case 2: {  // a stretch repeated
        const qsizetype from = at();
        text.insert(at(), text.mid(from, random_.bounded(4000)));
        break;
      }
      case 3:  // noise made of the characters markers are built from
        for (int i = 0; i < 64; ++i) text[at()] = QChar(u"\"\\/<>:,'=u0"[random_.bounded(11)]);
        break;
      default:  // untouched
        break;
    }
    return fetched;
  }
  void SetMarkers(const QByteArray& start, const QByteArray& end) override { inner_->SetMarkers(start, end); }

 private:
  std::unique_ptr<PageFetcher> inner_;
  QRandomGenerator random_;
};

}  // namespace

class TestReaderRobustness : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void damagedPagesNeverBreakTheJobs_data();
  void damagedPagesNeverBreakTheJobs();
};

void TestReaderRobustness::damagedPagesNeverBreakTheJobs_data() {
  QTest::addColumn<quint32>("seed");
  for (quint32 seed = 1; seed <= 12; ++seed) QTest::newRow(qPrintable(u"seed " + QString::number(seed))) << seed;
}

void TestReaderRobustness::damagedPagesNeverBreakTheJobs() {
  QFETCH(quint32, seed);
  SiteSession site;
  TestSession& session = *site.session;
  PageFetcherFactory real = session.app.fetchers;
  quint32 next = seed;
  session.app.fetchers = [real, &next] { return std::make_unique<DamagingFetcher>(real(), next++ * 7919u); };
  session.dlg.Settings.SetOptions(SITE_RENREN, OPT_LIST_ONLY | OPT_NAME_LIST);
  QTemporaryDir saveFolder;
  const QStringList addresses = site.site.OwnerAddresses()
                                << QStringLiteral("http://photo.renren.com/photo/240000001/album-1/v7");
  for (const QString& address : addresses) {
    session.ListAlbums(address);
    QCOMPARE(session.dlg.ListState.load(), quint8(LIST_IDLE));
    session.TickRows();
    session.Download(saveFolder.path());
    QCOMPARE(session.dlg.DownloadState.load(), quint8(DOWNLOAD_IDLE));
  }
  // Only the save folder (and the program folder's own files) got files.
  QDirIterator it(saveFolder.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) QVERIFY(it.next().startsWith(saveFolder.path() + u'/'));
}

}  // namespace lumvane

QTEST_GUILESS_MAIN(lumvane::TestReaderRobustness)
#include "TestReaderRobustness.moc"
