// The download engine against the scripted server: how many pictures run
// at once, the pause of a single thread, the fall-back address, the size
// filter, stopping, and runs that must not disturb each other.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

#include "app/ControlIds.h"
#include "download/DownloadBatch.h"
#include "download/DownloadEngine.h"
#include "support/FixtureServer.h"
#include "support/RecordingPort.h"
#include "web/HttpSession.h"

namespace lumvane {
namespace {

FixtureScript Picture(const QByteArray& body, int headerDelayMs = 0) {
  FixtureScript script;
  script.headers = {{"Content-Type", "image/jpeg"}};
  script.body = body;
  script.headerDelayMs = headerDelayMs;
  return script;
}

QByteArray Bytes(int size, char fill) { return QByteArray(size, fill); }

DownloadParams Params(int threads, int minKb = 0) {
  DownloadParams params;
  params.threadCount = static_cast<quint16>(threads);
  params.timeoutSec = 10;
  params.minSizeK = static_cast<quint16>(minKb);
  return params;
}

}  // namespace

class TestDownloadEngine : public QObject {
  Q_OBJECT

 private:
  struct Rig {
    Rig() : session(QString()), engine(session) { batch.folder = dir.path() + u'/'; }
    void Add(const QByteArray& target, const QString& name, FixtureScript script) {
      server.Serve(target, std::move(script));
      batch.Append(server.Url(target), name, QStringLiteral("Referer: http://photo.example/album"));
    }
    QByteArray File(const QString& name) const {
      QFile file(batch.folder + name);
      return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QTemporaryDir dir;
    FixtureServer server;
    HttpSession session;
    DownloadEngine engine;
    DownloadBatch batch;
    RecordingPort port;
  };

 private Q_SLOTS:
  void fewerPicturesThanThreadsStartEachOnce();
  void threadCountCapsPicturesInFlight();
  void singleThreadPausesBetweenPictures();
  void fallBackOnlyAfterAnEmptyBody();
  void tooSmallPicturesCountAsDone();
  void stopStartsNoFurtherPicture();
  void lateWorkersDoNotTouchTheNextRun();
};

void TestDownloadEngine::fewerPicturesThanThreadsStartEachOnce() {
  Rig rig;
  for (int i = 0; i < 3; ++i) {
    rig.Add("/p" + QByteArray::number(i), QString::number(i) + u".jpg", Picture(Bytes(2000 + i, 'a' + i), 200));
  }
  QVERIFY(rig.engine.Run(rig.batch, Params(5), rig.port, IDC_STATUS2));
  const auto requests = rig.server.Requests();
  QCOMPARE(requests.size(), 3);
  // All three ran side by side: none waited for another to finish.
  for (const auto& request : requests) QVERIFY(request.atMs - requests.front().atMs < 150);
  for (int i = 0; i < 3; ++i) QCOMPARE(rig.File(QString::number(i) + u".jpg"), Bytes(2000 + i, 'a' + i));
  QCOMPARE(requests.front().request.Header("Referer"), QByteArray("http://photo.example/album"));
  QCOMPARE(rig.port.TextHistory(IDC_STATUS2).last(), QStringLiteral("已下载3/3......"));
}

void TestDownloadEngine::threadCountCapsPicturesInFlight() {
  Rig rig;
  for (int i = 0; i < 4; ++i) rig.Add("/p" + QByteArray::number(i), QString::number(i) + u".jpg", Picture("x", 300));
  QVERIFY(rig.engine.Run(rig.batch, Params(2), rig.port, IDC_STATUS2));
  const auto requests = rig.server.Requests();
  QCOMPARE(requests.size(), 4);
  // The third picture waits until one of the first two is done.
  QVERIFY(requests[2].atMs - requests[0].atMs >= 250);
  QVERIFY(requests[1].atMs - requests[0].atMs < 150);
}

void TestDownloadEngine::singleThreadPausesBetweenPictures() {
  Rig rig;
  for (int i = 0; i < 2; ++i) rig.Add("/p" + QByteArray::number(i), QString::number(i) + u".jpg", Picture("x"));
  QVERIFY(rig.engine.Run(rig.batch, Params(1), rig.port, IDC_STATUS2));
  const auto requests = rig.server.Requests();
  QCOMPARE(requests.size(), 2);
  QVERIFY(requests[1].atMs - requests[0].atMs >= 1900);

  Rig two;
  for (int i = 0; i < 2; ++i) two.Add("/p" + QByteArray::number(i), QString::number(i) + u".jpg", Picture("x"));
  QVERIFY(two.engine.Run(two.batch, Params(2), two.port, IDC_STATUS2));
  QVERIFY(two.server.Requests()[1].atMs - two.server.Requests()[0].atMs < 1000);
}

void TestDownloadEngine::fallBackOnlyAfterAnEmptyBody() {
  Rig rig;
  rig.server.Serve("/empty", Picture(QByteArray()));
  rig.server.Serve("/second", Picture("from the second"));
  rig.server.Serve("/first", Picture("from the first"));
  rig.server.Serve("/unused", Picture("never asked"));
  rig.batch.Append(rig.server.Url("/empty") + u"\r\n" + rig.server.Url("/second"), QStringLiteral("a.jpg"), {});
  rig.batch.Append(rig.server.Url("/first") + u"\r\n" + rig.server.Url("/unused"), QStringLiteral("b.jpg"), {});
  QVERIFY(rig.engine.Run(rig.batch, Params(2), rig.port, IDC_STATUS2));
  QCOMPARE(rig.File(QStringLiteral("a.jpg")), QByteArray("from the second"));
  QCOMPARE(rig.File(QStringLiteral("b.jpg")), QByteArray("from the first"));
  for (const auto& request : rig.server.Requests()) QVERIFY(request.request.target != "/unused");
}

void TestDownloadEngine::tooSmallPicturesCountAsDone() {
  Rig rig;
  rig.Add("/small", QStringLiteral("small.jpg"), Picture(Bytes(1000, 's')));
  rig.Add("/big", QStringLiteral("big.jpg"), Picture(Bytes(3000, 'b')));
  QVERIFY(rig.engine.Run(rig.batch, Params(3, 1), rig.port, IDC_STATUS2));
  QCOMPARE(QDir(rig.batch.folder).entryList(QDir::Files | QDir::Hidden), QStringList{"big.jpg"});
  QCOMPARE(rig.port.TextHistory(IDC_STATUS2).last(), QStringLiteral("已下载2/2......"));
}

void TestDownloadEngine::stopStartsNoFurtherPicture() {
  Rig rig;
  for (int i = 0; i < 6; ++i) {
    FixtureScript slow = Picture(Bytes(4000, 'a' + i));
    slow.chunkSize = 1000;
    slow.chunkPauseMs = 150;
    rig.Add("/p" + QByteArray::number(i), QString::number(i) + u".jpg", slow);
  }
  std::thread stopper([&] {
    rig.server.WaitForRequests(2, 5000);
    rig.engine.RequestStop();
  });
  QVERIFY(rig.engine.Run(rig.batch, Params(2), rig.port, IDC_STATUS2));
  stopper.join();
  // The two running pictures finish; nothing else was asked for.
  QTRY_COMPARE_WITH_TIMEOUT(QDir(rig.batch.folder).entryList(QDir::Files | QDir::Hidden).size(), 2, 5000);
  QTRY_COMPARE_WITH_TIMEOUT(QDir(rig.batch.folder).entryList(QDir::Files).size(), 2, 5000);
  QCOMPARE(rig.server.Requests().size(), 2);
  QCOMPARE(rig.File(QStringLiteral("0.jpg")), Bytes(4000, 'a'));
  QCOMPARE(rig.File(QStringLiteral("1.jpg")), Bytes(4000, 'b'));
}

void TestDownloadEngine::lateWorkersDoNotTouchTheNextRun() {
  Rig rig;
  FixtureScript slow = Picture("late");
  slow.headerDelayMs = 800;
  rig.Add("/slow", QStringLiteral("slow.jpg"), slow);
  rig.Add("/fast", QStringLiteral("fast.jpg"), Picture("fast", 300));
  rig.Add("/never", QStringLiteral("never.jpg"), Picture("never"));
  std::thread stopper([&] {
    rig.server.WaitForRequests(2, 5000);
    rig.engine.RequestStop();
  });
  QVERIFY(rig.engine.Run(rig.batch, Params(2), rig.port, IDC_STATUS2));
  stopper.join();

  RecordingPort next;
  DownloadBatch album;
  album.folder = rig.batch.folder;
  rig.server.Serve("/next", Picture("next"));
  album.Append(rig.server.Url("/next"), QStringLiteral("next.jpg"), {});
  QVERIFY(rig.engine.Run(album, Params(2), next, IDC_STATUS2));
  QTRY_COMPARE_WITH_TIMEOUT(rig.File(QStringLiteral("slow.jpg")), QByteArray("late"), 5000);
  QCOMPARE(next.TextHistory(IDC_STATUS2), QStringList{"已下载1/1......"});
  QCOMPARE(rig.File(QStringLiteral("never.jpg")), QByteArray("<missing>"));
}

}  // namespace lumvane

QTEST_GUILESS_MAIN(lumvane::TestDownloadEngine)
#include "TestDownloadEngine.moc"
