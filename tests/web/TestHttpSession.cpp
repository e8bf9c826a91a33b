// The process-wide HTTP state: one cookie jar for every transfer on every
// thread, kept in cookies.txt across sessions and processes, bridged as
// Netscape lines; and the connect-to mapping.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

#include "WebTestRunners.h"
#include "WebTestSupport.h"
#include "support/FixtureServer.h"
#include "web/SiteConfig.h"
#include "web/UrlSource.h"

namespace lumvane {
namespace {

bool Fetch(HttpSession& session, const QString& url) {
  UrlSource source(session);
  return source.Get(tests::LenientRequest(url), 0);
}

QByteArray CookieSentWith(const FixtureServer& server, const QByteArray& target) {
  QByteArray cookie;
  for (const FixtureRequest& logged : server.Requests()) {
    if (logged.request.target == target) cookie = logged.request.Header("Cookie");
  }
  return cookie;
}

}  // namespace

class TestHttpSession : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cookieReachesOtherThreadsSessionsAndProcesses();
  void cookiesFromRedirectsAreKept();
  void cookieLinesBridgeBothWays();
  void brokenCookieFileLinesAreSkipped();
  void connectToSendsHostNamesToTheFixture();

 private:
  QTemporaryDir folder_;
  QString cookieFile_;
  std::unique_ptr<FixtureServer> server_;
};

void TestHttpSession::init() {
  cookieFile_ = folder_.filePath(QStringLiteral("cookies-%1.txt").arg(QTest::currentTestFunction()));
  server_ = std::make_unique<FixtureServer>();
  FixtureScript setter;
  setter.headers = {{"Set-Cookie", "sid=abc123; Max-Age=3600; Path=/"}};
  server_->Serve("/signin", setter);
  server_->Serve("/check", FixtureScript());
}

void TestHttpSession::cookieReachesOtherThreadsSessionsAndProcesses() {
  {
    HttpSession session(cookieFile_);
    bool fetched = false;
    std::thread first([&] { fetched = Fetch(session, server_->Url("/signin")); });
    first.join();
    QVERIFY(fetched);
    // Saved right after the response that set it.
    QFile file(cookieFile_);
    QVERIFY(file.exists());
    QCOMPARE(file.permissions() &
                 (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup | QFile::ExeOwner),
             QFile::Permissions());
    QVERIFY(file.permissions() & QFile::WriteOwner);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\tsid\tabc123"));

    std::thread second([&] { fetched = Fetch(session, server_->Url("/check")); });
    second.join();
    QVERIFY(fetched);
    QCOMPARE(CookieSentWith(*server_, "/check"), QByteArray("sid=abc123"));
  }
  server_->Serve("/check2", FixtureScript());
  HttpSession later(cookieFile_);
  QVERIFY(Fetch(later, server_->Url("/check2")));
  QCOMPARE(CookieSentWith(*server_, "/check2"), QByteArray("sid=abc123"));

  server_->Serve("/check3", FixtureScript());
  QProcess probe;
  probe.start(QStringLiteral(LUMVANE_COOKIE_PROBE), {cookieFile_, server_->Url("/check3")});
  QVERIFY(probe.waitForFinished(30000));
  QCOMPARE(probe.exitCode(), 0);
  QCOMPARE(CookieSentWith(*server_, "/check3"), QByteArray("sid=abc123"));
  QVERIFY(QFileInfo(cookieFile_).dir().entryList({QStringLiteral(".lumvane-*")}, QDir::Hidden | QDir::Files).isEmpty());
}

void TestHttpSession::cookiesFromRedirectsAreKept() {
  FixtureScript hop = FixtureScript::Redirect("/check");
  hop.headers.append(HttpHeader{"Set-Cookie", "step=one; Path=/"});
  server_->Serve("/login", hop);
  HttpSession session(cookieFile_);
  QVERIFY(Fetch(session, server_->Url("/login")));
  QCOMPARE(CookieSentWith(*server_, "/check"), QByteArray("step=one"));
}

void TestHttpSession::cookieLinesBridgeBothWays() {
  const QByteArray future = QByteArray::number(QDateTime::currentSecsSinceEpoch() + 86400);
  const QList<QByteArray> lines{
      "127.0.0.1\tFALSE\t/\tFALSE\t" + future + "\tuser\tzhang",
      "#HttpOnly_127.0.0.1\tFALSE\t/\tFALSE\t0\ttoken\tt0k",
      "127.0.0.1\tFALSE\t/\tFALSE\t1000\told\tgone",  // expired long ago
      "ALL",                                          // a jar command, not a cookie
      "127.0.0.1\tFALSE\t/\tFALSE\tsoon\tbad\tvalue",
      "no tabs at all",
  };
  {
    HttpSession session(cookieFile_);
    QCOMPARE(session.ImportCookies(lines), 3);
    const QList<QByteArray> exported = session.ExportCookies();
    QCOMPARE(exported.size(), 2);
    QVERIFY(exported.contains(lines[0]));
    QVERIFY(exported.contains(lines[1]));
    QVERIFY(Fetch(session, server_->Url("/check")));
    const QByteArray sent = CookieSentWith(*server_, "/check");
    QVERIFY2(sent.contains("user=zhang") && sent.contains("token=t0k") && !sent.contains("old"), sent.constData());
  }
  // Imported cookies set no response: the end of the session saved them.
  HttpSession later(cookieFile_);
  QCOMPARE(later.ExportCookies().size(), 2);
}

void TestHttpSession::brokenCookieFileLinesAreSkipped() {
  QFile file(cookieFile_);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(
      "# Netscape HTTP Cookie File\r\n\r\nRELOAD\r\n127.0.0.1\tFALSE\t/\tFALSE\t0\tgood\tyes\r\n"
      "\t\t\t\t\t\t\n127.0.0.1\tFALSE\n\xff\xfe\x00garbage");
  file.close();
  HttpSession session(cookieFile_);
  QVERIFY(Fetch(session, server_->Url("/check")));
  QCOMPARE(CookieSentWith(*server_, "/check"), QByteArray("good=yes"));
}

void TestHttpSession::connectToSendsHostNamesToTheFixture() {
  QFile ini(folder_.filePath(QStringLiteral("sites.ini")));
  QVERIFY(ini.open(QIODevice::WriteOnly));
  ini.write("[connect-to]\nwww.renren.com:80 = 127.0.0.1:" + QByteArray::number(server_->Port()) + "\n");
  ini.close();
  SiteConfig config = SiteConfig::Load(ini.fileName());
  QVERIFY(config.AddConnectTo(QStringLiteral("photo.renren.com:80:127.0.0.1:%1").arg(server_->Port())));
  HttpSession session(cookieFile_);
  session.SetConnectTo(config.connectTo);
  QVERIFY(Fetch(session, QStringLiteral("http://www.renren.com/check")));
  QVERIFY(Fetch(session, QStringLiteral("http://photo.renren.com/check?id=7")));
  const QList<FixtureRequest> log = server_->Requests();
  QCOMPARE(log.size(), 2);
  QCOMPARE(log[0].request.host, QByteArray("www.renren.com"));
  QCOMPARE(log[1].request.host, QByteArray("photo.renren.com"));
  QCOMPARE(log[1].request.target, QByteArray("/check?id=7"));
}

namespace tests {
int RunHttpSessionTests(int argc, char** argv) {
  TestHttpSession test;
  return QTest::qExec(&test, argc, argv);
}
}  // namespace tests

}  // namespace lumvane

#include "TestHttpSession.moc"
