// UrlSource against the fixture server: size limits, marker cuts, what goes
// out with a request, retries, redirects and downloads into files.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "WebTestRunners.h"
#include "WebTestSupport.h"
#include "samplesite/Gzip.h"
#include "support/FixtureServer.h"
#include "web/UrlSource.h"

Q_DECLARE_METATYPE(lumvane::FixtureScript)

namespace lumvane {
namespace {

QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray Filler(qsizetype size) {
  QByteArray bytes(size, Qt::Uninitialized);
  for (qsizetype i = 0; i < size; ++i) bytes[i] = char('a' + i % 26);
  return bytes;
}

}  // namespace

class TestUrlSource : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void sizeLimits_data();
  void sizeLimits();
  void markersCutThePageWhileItStreams_data();
  void markersCutThePageWhileItStreams();
  void gzipBodyIsKeptCompressed();
  void requestCarriesHeadersAndAgent_data();
  void requestCarriesHeadersAndAgent();
  void postDataArrivesIntact();
  void retryCountZeroSendsNothing();
  void laterAttemptCanSucceed();
  void contentChecks_data();
  void contentChecks();
  void redirects_data();
  void redirects();
  void downloadIntoFile_data();
  void downloadIntoFile();
  void unwritableTargetFails();
  void badAddressesFail_data();
  void badAddressesFail();
  void resetKeepsChecksAndRetries();

 private:
  HttpSession session_{QString()};
};

void TestUrlSource::sizeLimits_data() {
  QTest::addColumn<qint64>("bodySize");
  QTest::addColumn<bool>("announced");
  QTest::addColumn<bool>("toFile");
  QTest::addColumn<quint32>("minKB");
  QTest::addColumn<quint32>("maxKB");
  QTest::addColumn<bool>("good");
  for (const bool toFile : {false, true}) {
    for (const bool announced : {true, false}) {
      const QByteArray kind = QByteArray(toFile ? "file" : "page") + (announced ? ", announced" : ", streamed");
      QTest::addRow("%s, exactly max", kind.constData()) << qint64(2048) << announced << toFile << 0u << 2u << true;
      QTest::addRow("%s, one over max", kind.constData()) << qint64(2049) << announced << toFile << 0u << 2u << false;
      QTest::addRow("%s, exactly min", kind.constData()) << qint64(1024) << announced << toFile << 1u << 0u << true;
      QTest::addRow("%s, one under min", kind.constData()) << qint64(1023) << announced << toFile << 1u << 0u << false;
    }
  }
  QTest::newRow("page, big body without limits") << qint64(3 << 20) << false << false << 0u << 0u << true;
}

void TestUrlSource::sizeLimits() {
  QFETCH(qint64, bodySize);
  QFETCH(bool, announced);
  QFETCH(bool, toFile);
  QFETCH(quint32, minKB);
  QFETCH(quint32, maxKB);
  QFETCH(bool, good);
  FixtureServer server;
  FixtureScript script;
  script.body = Filler(bodySize);
  if (!announced) script.announcedLength = FixtureScript::kNoLength;
  server.Serve("/body", script);
  QTemporaryDir folder;
  const QString target = folder.filePath(QStringLiteral("picture.jpg"));

  UrlSource source(session_);
  UrlRequest request = tests::LenientRequest(server.Url("/body"), toFile ? target : QString());
  request.minSizeKB = minKB;
  request.maxSizeKB = maxKB;
  request.retryDelaySec = 0;
  QCOMPARE(source.Get(request, 0), good);
  if (good) QCOMPARE(source.receivedLength, bodySize);
  if (toFile) {
    QCOMPARE(FilesIn(folder.path()), good ? QStringList{QStringLiteral("picture.jpg")} : QStringList());
    QVERIFY(source.body.isEmpty());
  } else if (good) {
    QVERIFY(source.body == script.body);
  }
}

void TestUrlSource::markersCutThePageWhileItStreams_data() {
  QTest::addColumn<QByteArray>("page");
  QTest::addColumn<int>("chunkSize");
  QTest::addColumn<QByteArray>("start");
  QTest::addColumn<QByteArray>("end");
  QTest::addColumn<QByteArray>("kept");
  QTest::newRow("start marker twice keeps what follows the second")
      << QByteArray("head<ul>one<ul>two</ul>") << 0 << QByteArray("<ul>") << QByteArray() << QByteArray("two</ul>");
  QTest::newRow("end marker cuts before it")
      << QByteArray("<ul>one</ul>tail</ul>") << 0 << QByteArray() << QByteArray("</ul>") << QByteArray("<ul>one");
  QTest::newRow("both") << QByteArray("x[[a[[b]]c]]") << 0 << QByteArray("[[") << QByteArray("]]") << QByteArray("b");
  QTest::newRow("markers split across pieces")
      << QByteArray("0123<start>abc<start>keep this<end>more") << 3 << QByteArray("<start>") << QByteArray("<end>")
      << QByteArray("keep this");
  QTest::newRow("missing markers keep everything")
      << QByteArray("plain page") << 4 << QByteArray("<x>") << QByteArray("</x>") << QByteArray("plain page");
}

void TestUrlSource::markersCutThePageWhileItStreams() {
  QFETCH(QByteArray, page);
  QFETCH(int, chunkSize);
  QFETCH(QByteArray, start);
  QFETCH(QByteArray, end);
  QFETCH(QByteArray, kept);
  FixtureServer server;
  FixtureScript script;
  script.body = page;
  script.chunkSize = chunkSize;
  script.chunkPauseMs = chunkSize > 0 ? 10 : 0;  // so that each piece arrives on its own
  server.Serve("/page", script);
  UrlSource source(session_);
  UrlRequest request = tests::LenientRequest(server.Url("/page"));
  request.startMarker = start;
  request.endMarker = end;
  QVERIFY(source.Get(request, 0));
  QCOMPARE(source.body, kept);
  QCOMPARE(source.startMarker, start);
  QCOMPARE(source.endMarker, end);
}

void TestUrlSource::gzipBodyIsKeptCompressed() {
  FixtureServer server;
  FixtureScript script;
  script.headers = {{"Content-Type", "text/html; charset=utf-8"}, {"Content-Encoding", "gzip"}};
  script.body = GzipCompress("junk<ul>old<ul>album list</ul>rest");
  server.Serve("/albums", script);
  UrlSource source(session_);
  UrlRequest request = tests::LenientRequest(server.Url("/albums"));
  request.startMarker = "<ul>";
  request.endMarker = "</ul>";
  QVERIFY(source.Get(request, 0));
  QVERIFY(source.gzip);
  QCOMPARE(source.body, script.body);
  QVERIFY(source.responseHeaders.startsWith("HTTP/1.1 200 OK\r\n"));
  QVERIFY(source.responseHeaders.contains("Content-Encoding: gzip\r\n"));
  QVERIFY(source.responseHeaders.endsWith("\r\n\r\n"));
  QString text;
  source.GetText(text, kPageTextMode);
  QCOMPARE(text, QStringLiteral("album list"));
}

void TestUrlSource::requestCarriesHeadersAndAgent_data() {
  QTest::addColumn<unsigned>("flags");
  QTest::addColumn<bool>("noCache");
  QTest::newRow("page flags") << kPageRequestFlags << true;
  QTest::newRow("cache write only") << unsigned(REQ_CACHE_WRITE) << true;
  QTest::newRow("picture flags") << kPictureRequestFlags << false;
}

void TestUrlSource::requestCarriesHeadersAndAgent() {
  QFETCH(unsigned, flags);
  QFETCH(bool, noCache);
  FixtureServer server;
  server.Serve("/p", FixtureScript());
  UrlSource source(session_);
  UrlRequest request = tests::LenientRequest(server.Url("/p?a=1&b=%E4%B8%AD"));
  request.headers = QStringLiteral("Accept-Encoding: gzip, deflate\r\nReferer: http://www.renren.com/");
  QVERIFY(source.Get(request, flags));
  const QList<FixtureRequest> log = server.Requests();
  QCOMPARE(log.size(), 1);
  const HttpRequest& sent = log[0].request;
  QCOMPARE(sent.method, QByteArray("GET"));
  QCOMPARE(sent.target, QByteArray("/p?a=1&b=%E4%B8%AD"));
  QCOMPARE(sent.Header("User-Agent"), QByteArray("Mozilla/5.0 (Windows NT 5.1) AppleWebKit/537.36 (KHTML, like Gecko) "
                                                 "Chrome/38.0.2125.104 Safari/537.36"));
  QCOMPARE(sent.Header("Accept-Encoding"), QByteArray("gzip, deflate"));
  QCOMPARE(sent.Header("Referer"), QByteArray("http://www.renren.com/"));
  QCOMPARE(sent.Header("Cache-Control"), noCache ? QByteArray("no-cache") : QByteArray());
  QCOMPARE(sent.Header("Pragma"), noCache ? QByteArray("no-cache") : QByteArray());
  QVERIFY(sent.Header("Expect").isNull());
}

void TestUrlSource::postDataArrivesIntact() {
  FixtureServer server;
  server.Serve("/form", FixtureScript());
  QByteArray post(2500, Qt::Uninitialized);
  for (int i = 0; i < post.size(); ++i) post[i] = char(1 + i % 250);  // no zero byte inside
  UrlSource source(session_);
  UrlRequest request = tests::LenientRequest(server.Url("/form"));
  request.verb = QStringLiteral("POST");
  request.postData = post + '\0' + "not sent";
  QVERIFY(source.Get(request, 0));
  const QList<FixtureRequest> log = server.Requests();
  QCOMPARE(log.size(), 1);
  QCOMPARE(log[0].request.method, QByteArray("POST"));
  QCOMPARE(log[0].request.Header("Content-Length"), QByteArray("2500"));
  QVERIFY(log[0].request.body == post);
}

void TestUrlSource::retryCountZeroSendsNothing() {
  FixtureServer server;
  server.Serve("/page", FixtureScript());
  UrlSource source(session_);
  UrlRequest request = tests::LenientRequest(server.Url("/page"));
  request.retryCount = 0;
  QVERIFY(!source.Get(request, 0));
  request.retryCount = 1;
  request.url = server.Url("/after");  // whatever came first would be logged before it
  source.Get(request, 0);
  const QList<FixtureRequest> log = server.Requests();
  QCOMPARE(log.size(), 1);
  QCOMPARE(log[0].request.target, QByteArray("/after"));
}

void TestUrlSource::laterAttemptCanSucceed() {
  FixtureServer server;
  FixtureScript good;
  good.body = Filler(5000);
  FixtureScript broken = good;
  broken.cutAfter = 1000;
  server.Serve("/page", QList{broken, broken, good});
  UrlSource source(session_);
  UrlRequest request = tests::LenientRequest(server.Url("/page"));
  request.retryCount = 3;
  request.retryDelaySec = 0;
  QVERIFY(source.Get(request, 0));
  QVERIFY(source.body == good.body);
  QCOMPARE(server.Requests().size(), 3);
}

void TestUrlSource::contentChecks_data() {
  QTest::addColumn<bool>("compressed");
  QTest::addColumn<unsigned>("flags");
  QTest::addColumn<QByteArray>("required");
  QTest::addColumn<quint32>("minBodyLength");
  QTest::addColumn<bool>("good");
  QTest::addColumn<int>("attempts");
  QTest::newRow("required text present") << false << 0u << QByteArray("photo-list") << 0u << true << 1;
  QTest::newRow("required text missing") << false << 0u << QByteArray("sign in") << 0u << false << 2;
  QTest::newRow("body not longer than the minimum") << false << 0u << QByteArray() << 25u << false << 2;
  QTest::newRow("body longer than the minimum") << false << 0u << QByteArray() << 24u << true << 1;
  QTest::newRow("gzip body inflated with flag 1")
      << true << unsigned(REQ_CACHE_WRITE) << QByteArray("photo-list") << 0u << true << 1;
  QTest::newRow("gzip body searched compressed without it")
      << true << 0u << QByteArray("photo-list") << 0u << false << 2;
}

void TestUrlSource::contentChecks() {
  QFETCH(bool, compressed);
  QFETCH(unsigned, flags);
  QFETCH(QByteArray, required);
  QFETCH(quint32, minBodyLength);
  QFETCH(bool, good);
  QFETCH(int, attempts);
  const QByteArray page = "<div id=photo-list></div>";  // 25 bytes
  FixtureServer server;
  FixtureScript script;
  script.body = compressed ? GzipCompress(page.repeated(3)) : page;
  if (compressed) script.headers = {{"Content-Encoding", "gzip"}};
  server.Serve("/page", script);
  UrlSource source(session_);
  UrlRequest request = tests::LenientRequest(server.Url("/page"));
  request.requiredText = required;
  request.minBodyLength = minBodyLength;
  request.retryCount = 2;
  request.retryDelaySec = 0;
  QCOMPARE(source.Get(request, flags), good);
  QCOMPARE(server.Requests().size(), attempts);
}

void TestUrlSource::redirects_data() {
  QTest::addColumn<QByteArray>("finalLocation");
  QTest::addColumn<bool>("good");
  QTest::newRow("chain of http redirects") << QByteArray("/final") << true;
  QTest::newRow("redirect to a file address") << QByteArray("file:///etc/passwd") << false;
  QTest::newRow("redirect to ftp") << QByteArray("ftp://127.0.0.1/") << false;
}

void TestUrlSource::redirects() {
  QFETCH(QByteArray, finalLocation);
  QFETCH(bool, good);
  FixtureServer server;
  server.Serve("/start", FixtureScript::Redirect("/hop", 301));
  server.Serve("/hop", FixtureScript::Redirect(server.Url("/last").toLatin1(), 302));
  server.Serve("/last", FixtureScript::Redirect(finalLocation, 307));
  FixtureScript final;
  final.headers = {{"X-Final", "yes"}};
  final.body = "arrived";
  server.Serve("/final", final);
  UrlSource source(session_);
  UrlRequest request = tests::LenientRequest(server.Url("/start"));
  request.retryDelaySec = 0;
  QCOMPARE(source.Get(request, 0), good);
  QCOMPARE(server.Requests().size(), good ? 4 : 3);
  if (good) {
    QCOMPARE(source.body, QByteArray("arrived"));
    QVERIFY(source.responseHeaders.contains("X-Final: yes"));
    QVERIFY(!source.responseHeaders.contains("Location"));
  } else {
    QVERIFY(!source.body.contains("root:"));
  }
}

void TestUrlSource::downloadIntoFile_data() {
  QTest::addColumn<FixtureScript>("script");
  QTest::addColumn<quint32>("minKB");
  QTest::addColumn<QByteArray>("required");
  QTest::addColumn<bool>("good");
  const QByteArray picture = Filler(300 * 1024);
  FixtureScript whole;
  whole.body = picture;
  FixtureScript trickled = whole;
  trickled.chunkSize = 40 * 1024;
  QTest::newRow("complete picture") << whole << 0u << QByteArray() << true;
  QTest::newRow("trickled picture") << trickled << 0u << QByteArray() << true;
  QTest::newRow("smaller than the minimum") << whole << 400u << QByteArray() << false;
  FixtureScript closed = trickled;
  closed.cutAfter = 100 * 1024;
  QTest::newRow("connection closed mid-body") << closed << 0u << QByteArray() << false;
  FixtureScript reset = closed;
  reset.cutWithReset = true;
  QTest::newRow("connection reset mid-body") << reset << 0u << QByteArray() << false;
  FixtureScript longer = whole;
  longer.announcedLength = picture.size() + 10;
  QTest::newRow("announced more than sent") << longer << 0u << QByteArray() << false;
  FixtureScript missing = whole;
  missing.status = 404;
  QTest::newRow("error page") << missing << 0u << QByteArray() << false;
  // The required text straddles the seam between the first two pieces.
  const QByteArray seam = picture.mid(40 * 1024 - 3, 6);
  QTest::newRow("required text across pieces") << trickled << 0u << seam << true;
  QTest::newRow("required text absent") << trickled << 0u << QByteArray("#not there#") << false;
}

void TestUrlSource::downloadIntoFile() {
  QFETCH(FixtureScript, script);
  QFETCH(quint32, minKB);
  QFETCH(QByteArray, required);
  QFETCH(bool, good);
  FixtureServer server;
  server.Serve("/pic.jpg", script);
  QTemporaryDir folder;
  const QString target = folder.filePath(QStringLiteral("相册 1.jpg"));
  {
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("previous picture");
  }
  UrlSource source(session_);
  UrlRequest request = tests::LenientRequest(server.Url("/pic.jpg"), target);
  request.minSizeKB = minKB;
  request.requiredText = required;
  request.retryDelaySec = 0;
  QCOMPARE(source.Get(request, kPictureRequestFlags), good);
  QCOMPARE(FilesIn(folder.path()), QStringList{QStringLiteral("相册 1.jpg")});  // no temporary file left
  QFile saved(target);
  QVERIFY(saved.open(QIODevice::ReadOnly));
  QVERIFY(saved.readAll() == (good ? script.body : QByteArray("previous picture")));
  QVERIFY(source.body.isEmpty());
}

void TestUrlSource::unwritableTargetFails() {
  FixtureServer server;
  FixtureScript script;
  script.body = "picture";
  server.Serve("/pic.jpg", script);
  QTemporaryDir folder;
  UrlSource source(session_);
  UrlRequest request = tests::LenientRequest(server.Url("/pic.jpg"), folder.filePath(QStringLiteral("missing/a.jpg")));
  request.retryDelaySec = 0;
  QVERIFY(!source.Get(request, kPictureRequestFlags));
  QVERIFY(FilesIn(folder.path()).isEmpty());
}

void TestUrlSource::badAddressesFail_data() {
  QTest::addColumn<QString>("url");
  QTest::newRow("empty") << QString();
  QTest::newRow("no scheme") << QStringLiteral("www.renren.com/profile");
  QTest::newRow("other scheme") << QStringLiteral("file:///etc/passwd");
  QTest::newRow("no host") << QStringLiteral("http:///path");
  QTest::newRow("nobody listening") << QStringLiteral("http://127.0.0.1:1/");
}

void TestUrlSource::badAddressesFail() {
  QFETCH(QString, url);
  UrlSource source(session_);
  UrlRequest request = tests::LenientRequest(url);
  request.retryDelaySec = 0;
  QVERIFY(!source.Get(request, 0));
  QVERIFY(source.body.isEmpty());
}

void TestUrlSource::resetKeepsChecksAndRetries() {
  UrlRequest request(QStringLiteral("http://www.renren.com/"), QStringLiteral("/tmp/a.jpg"), 5000);
  QCOMPARE(request.verb, QStringLiteral("GET"));
  QCOMPARE(request.readTimeoutMs, 5000u);
  QCOMPARE(request.connectTimeoutMs, 5000u);
  QCOMPARE(request.retryCount, quint8(1));
  QCOMPARE(request.retryDelaySec, quint8(1));
  request.verb = QStringLiteral("POST");
  request.headers = QStringLiteral("Referer: x");
  request.startMarker = "<a>";
  request.endMarker = "</a>";
  request.postData = "a=1";
  request.minSizeKB = 4;
  request.maxSizeKB = 9;
  request.requiredText = "album";
  request.minBodyLength = 10;
  request.retryCount = 2;
  request.retryDelaySec = 3;
  request.Reset();
  QVERIFY(request.url.isEmpty() && request.outFile.isEmpty() && request.headers.isEmpty());
  QVERIFY(request.startMarker.isEmpty() && request.endMarker.isEmpty() && request.postData.isNull());
  QCOMPARE(request.verb, QStringLiteral("GET"));
  QCOMPARE(request.readTimeoutMs, 20000u);
  QCOMPARE(request.connectTimeoutMs, 20000u);
  QCOMPARE(request.minSizeKB, 0u);
  QCOMPARE(request.maxSizeKB, 0u);
  QCOMPARE(request.requiredText, QByteArray("album"));
  QCOMPARE(request.minBodyLength, 10u);
  QCOMPARE(request.retryCount, quint8(2));
  QCOMPARE(request.retryDelaySec, quint8(3));
}

namespace tests {
int RunUrlSourceTests(int argc, char** argv) {
  TestUrlSource test;
  return QTest::qExec(&test, argc, argv);
}
}  // namespace tests

}  // namespace lumvane

#include "TestUrlSource.moc"
