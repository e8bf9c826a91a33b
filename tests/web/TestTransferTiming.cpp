// The bounded waits of a transfer, the retry pauses, the abort switch and
// the early end of a transfer: each against a server that stalls on purpose.
// Time-outs are short, bounds generous: a loaded machine must not fail them.

#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <thread>

#include "WebTestRunners.h"
#include "support/FixtureServer.h"
#include "web/UrlSource.h"

Q_DECLARE_METATYPE(lumvane::FixtureScript)

namespace lumvane {
namespace {

UrlRequest ShortRequest(const QString& url, quint32 connectMs, quint32 readMs) {
  UrlRequest request(url, QString(), readMs);
  request.connectTimeoutMs = connectMs;
  request.retryDelaySec = 0;
  return request;
}

}  // namespace

class TestTransferTiming : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void silentServerFailsEachAttemptAndPausesAfterIt();
  void waitsAreBoundedOneByOne_data();
  void waitsAreBoundedOneByOne();
  void announcedSizeFailsBeforeTheBody_data();
  void announcedSizeFailsBeforeTheBody();
  void endMarkerStopsReading();
  void abortEndsTransfersAndPauses_data();
  void abortEndsTransfersAndPauses();

 private:
  HttpSession session_{QString()};
};

void TestTransferTiming::silentServerFailsEachAttemptAndPausesAfterIt() {
  FixtureServer server;
  server.Serve("/silent", FixtureScript::Silent());
  UrlSource source(session_);
  UrlRequest request = ShortRequest(server.Url("/silent"), 300, 300);
  request.retryCount = 2;
  request.retryDelaySec = 1;
  QElapsedTimer timer;
  timer.start();
  QVERIFY(!source.Get(request, 0));
  const qint64 elapsed = timer.elapsed();
  // Two waits of 300 ms, each followed by a pause of a second.
  QVERIFY2(elapsed >= 2 * (300 + 1000) - 50 && elapsed < 10000, QByteArray::number(elapsed).constData());
  const QList<FixtureRequest> log = server.Requests();
  QCOMPARE(log.size(), 2);
  QVERIFY(log[1].atMs - log[0].atMs >= 300 + 1000 - 50);
  // The client left each attempt: the server saw both go.
  QVERIFY(server.WaitForDisconnect("/silent", 5000));
  QTRY_COMPARE_WITH_TIMEOUT(server.Disconnects().size(), 2, 5000);
}

void TestTransferTiming::waitsAreBoundedOneByOne_data() {
  QTest::addColumn<FixtureScript>("script");
  QTest::addColumn<quint32>("connectMs");
  QTest::addColumn<quint32>("readMs");
  QTest::addColumn<bool>("good");
  FixtureScript trickle;
  trickle.body = QByteArray(10 * 100, 'x');
  trickle.chunkSize = 100;
  trickle.chunkPauseMs = 100;
  // Ten pauses of 100 ms: more than the read time-out in all, each far below it.
  QTest::newRow("slow but steady body") << trickle << 5000u << 600u << true;
  FixtureScript stall = trickle;
  stall.chunkPauseMs = 2500;
  QTest::newRow("stalled body") << stall << 5000u << 300u << false;
  FixtureScript lateHeaders;
  lateHeaders.body = "late";
  lateHeaders.headerDelayMs = 2500;
  QTest::newRow("headers later than the connect time-out") << lateHeaders << 300u << 5000u << false;
  lateHeaders.headerDelayMs = 100;
  QTest::newRow("headers in time") << lateHeaders << 1500u << 5000u << true;
}

void TestTransferTiming::waitsAreBoundedOneByOne() {
  QFETCH(FixtureScript, script);
  QFETCH(quint32, connectMs);
  QFETCH(quint32, readMs);
  QFETCH(bool, good);
  FixtureServer server;
  server.Serve("/page", script);
  UrlSource source(session_);
  QElapsedTimer timer;
  timer.start();
  QCOMPARE(source.Request(ShortRequest(server.Url("/page"), connectMs, readMs), 0), good);
  if (good) {
    QCOMPARE(source.body, script.body);
  } else {
    QVERIFY2(timer.elapsed() < 2000, QByteArray::number(timer.elapsed()).constData());  // before the server spoke
  }
}

void TestTransferTiming::announcedSizeFailsBeforeTheBody_data() {
  QTest::addColumn<qint64>("bodySize");
  QTest::addColumn<quint32>("minKB");
  QTest::addColumn<quint32>("maxKB");
  QTest::newRow("1023 bytes with a 1 KB minimum") << qint64(1023) << 1u << 0u;
  QTest::newRow("2049 bytes with a 2 KB maximum") << qint64(2049) << 0u << 2u;
}

void TestTransferTiming::announcedSizeFailsBeforeTheBody() {
  QFETCH(qint64, bodySize);
  QFETCH(quint32, minKB);
  QFETCH(quint32, maxKB);
  FixtureServer server;
  FixtureScript script;
  script.body = QByteArray(bodySize, 'b');
  script.chunkSize = int(bodySize);
  script.chunkPauseMs = 1500;  // the headers go at once, the body after this
  server.Serve("/pic", script);
  UrlSource source(session_);
  UrlRequest request = ShortRequest(server.Url("/pic"), 5000, 5000);
  request.minSizeKB = minKB;
  request.maxSizeKB = maxKB;
  QElapsedTimer timer;
  timer.start();
  QVERIFY(!source.Request(request, 0));
  QVERIFY2(timer.elapsed() < 1200, QByteArray::number(timer.elapsed()).constData());
  QCOMPARE(source.receivedLength, qint64(0));
  QVERIFY(source.responseHeaders.contains(QByteArray("Content-Length: " + QByteArray::number(bodySize))));
  const std::optional<FixtureDisconnect> gone = server.WaitForDisconnect("/pic", 5000);
  QVERIFY(gone);
  QCOMPARE(gone->bodyBytesWritten, qint64(0));
}

void TestTransferTiming::endMarkerStopsReading() {
  FixtureServer server;
  FixtureScript script;
  script.body = QByteArray("<ul>albums</ul>") + QByteArray(100, '.') + QByteArray(300, 'z');
  script.chunkSize = 115;
  script.chunkPauseMs = 800;
  server.Serve("/list", script);
  UrlSource source(session_);
  UrlRequest request = ShortRequest(server.Url("/list"), 5000, 5000);
  request.startMarker = "<ul>";
  request.endMarker = "</ul>";
  QElapsedTimer timer;
  timer.start();
  QVERIFY(source.Get(request, 0));
  QVERIFY2(timer.elapsed() < 1500, QByteArray::number(timer.elapsed()).constData());  // the first piece only
  QCOMPARE(source.body, QByteArray("albums"));
  const std::optional<FixtureDisconnect> gone = server.WaitForDisconnect("/list", 5000);
  QVERIFY(gone);
  QCOMPARE(gone->bodyBytesWritten, qint64(115));
}

void TestTransferTiming::abortEndsTransfersAndPauses_data() {
  QTest::addColumn<FixtureScript>("script");
  QTest::newRow("during a silent wait") << FixtureScript::Silent();
  FixtureScript tooSmall;
  tooSmall.body = "x";  // fails the size check at once; then the long pause
  QTest::newRow("during the retry pause") << tooSmall;
}

void TestTransferTiming::abortEndsTransfersAndPauses() {
  QFETCH(FixtureScript, script);
  FixtureServer server;
  server.Serve("/page", script);
  HttpSession session{QString()};
  UrlSource source(session);
  UrlRequest request = ShortRequest(server.Url("/page"), 20000, 20000);
  request.minSizeKB = 1;
  request.retryCount = 3;
  request.retryDelaySec = 30;
  std::thread closer([&] {
    server.WaitForRequests(1, 5000);
    QThread::msleep(200);
    session.Abort();
  });
  QElapsedTimer timer;
  timer.start();
  const bool result = source.Get(request, 0);
  closer.join();
  QVERIFY(!result);
  QVERIFY2(timer.elapsed() < 4000, QByteArray::number(timer.elapsed()).constData());
  // An aborted session sends nothing more.
  QVERIFY(!source.Get(request, 0));
  QCOMPARE(server.Requests().size(), 1);
}

namespace tests {
int RunTransferTimingTests(int argc, char** argv) {
  TestTransferTiming test;
  return QTest::qExec(&test, argc, argv);
}
}  // namespace tests

}  // namespace lumvane

#include "TestTransferTiming.moc"
