// "--threads" reaches the engine: with one thread lumvane-cli fetches an
// album's pictures one after another, with its pause between them;
// without the flag the saved setting (five) fetches them side by side.

#include <QTemporaryDir>
#include <QTest>

#include "CliRun.h"
#include "samplesite/DemoRenrenUsers.h"
#include "samplesite/SampleContentBuilder.h"
#include "samplesite/SampleHosts.h"
#include "samplesite/SampleSite.h"
#include "support/FixtureServer.h"

namespace lumvane {

class TestCliThreads : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void threadsFlagPacesThePictures_data();
  void threadsFlagPacesThePictures();
};

void TestCliThreads::threadsFlagPacesThePictures_data() {
  QTest::addColumn<QStringList>("flags");
  QTest::addColumn<bool>("oneAtATime");
  QTest::newRow("saved setting") << QStringList{} << false;
  QTest::newRow("one thread") << QStringList{"--threads", "1"} << true;
}

void TestCliThreads::threadsFlagPacesThePictures() {
  QFETCH(QStringList, flags);
  QFETCH(bool, oneAtATime);
  SampleSite site(BuildSampleSiteContent());
  QVERIFY(site.Start());
  // The album "旅行 (1)": three pictures on the second picture host, each
  // answered after a pause.
  const SampleAlbum& album = *FindAlbum(*site.Content().FindUser(kV7UserId), 1100000102);
  FixtureServer pictures;
  for (const SamplePicture& picture : album.pictures) {
    FixtureScript script;
    script.body = *site.PictureBody(picture);
    script.headerDelayMs = 1000;
    pictures.Serve(picture.Path(), script);
  }
  QTemporaryDir folder;
  const CliResult result =
      RunCli(folder.path(), QStringList{"download", "http://www.renren.com/linxiaoxia", "out", "--albums", "2"} +
                                flags + ConnectToArgs(site.Port(), kSecondPictureHost, pictures.Port()));
  QCOMPARE(result.exitCode, 0);
  const QList<FixtureRequest> requests = pictures.Requests();
  QCOMPARE(requests.size(), 3);
  for (qsizetype i = 1; i < requests.size(); ++i) {
    const qint64 gap = requests[i].atMs - requests[i - 1].atMs;
    if (oneAtATime) {
      QVERIFY2(gap >= 1900, qPrintable(QString::number(gap)));
    } else {
      QVERIFY2(gap < 700, qPrintable(QString::number(gap)));
    }
  }
}

}  // namespace lumvane

QTEST_GUILESS_MAIN(lumvane::TestCliThreads)
#include "TestCliThreads.moc"
