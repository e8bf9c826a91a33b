// Site hosts from sites.ini over the defaults, the connect-to form, and
// host name lookup.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "WebTestRunners.h"
#include "web/HostAddress.h"
#include "web/SiteConfig.h"

namespace lumvane {

class TestSiteConfig : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void defaultsWithoutAFile();
  void fileOverridesDefaults();
  void connectToForm_data();
  void connectToForm();
  void resolveHostAddress_data();
  void resolveHostAddress();
};

void TestSiteConfig::defaultsWithoutAFile() {
  QTemporaryDir folder;
  const SiteConfig config = SiteConfig::Load(SiteConfig::DefaultPath(folder.path() + u'/'));
  QCOMPARE(config.mainHost, QStringLiteral("www.renren.com"));
  QCOMPARE(config.pageHost, QStringLiteral("page.renren.com"));
  QCOMPARE(config.photoHost, QStringLiteral("photo.renren.com"));
  QCOMPARE(config.zhanHost, QStringLiteral("zhan.renren.com"));
  QCOMPARE(config.pageFragment, QStringLiteral("page.renren"));
  QCOMPARE(config.zhanFragment, QStringLiteral("zhan.renren"));
  QCOMPARE(config.configEndpoints, (std::array<QString, 3>{}));
  QVERIFY(config.connectTo.isEmpty());
}

void TestSiteConfig::fileOverridesDefaults() {
  QTemporaryDir folder;
  QFile file(SiteConfig::DefaultPath(folder.path() + u'/'));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(
      "; demo site\n"
      "[Hosts]\n"
      "main = www.demo.test\n"
      "page =\n"
      "zhan_fragment = zhan.demo\n"
      "[config]\n"
      "endpoint2 = http://config.demo.test/c?x=1\n"
      "[connect-to]\n"
      "www.demo.test:80 = 127.0.0.1:8080\n"
      "broken = entry\n"
      ":443 = [::1]:8443\n");
  file.close();
  const SiteConfig config = SiteConfig::Load(file.fileName());
  QCOMPARE(config.mainHost, QStringLiteral("www.demo.test"));
  QCOMPARE(config.pageHost, QStringLiteral("page.renren.com"));  // empty keeps the default
  QCOMPARE(config.zhanFragment, QStringLiteral("zhan.demo"));
  QCOMPARE(config.pageFragment, QStringLiteral("page.renren"));
  QCOMPARE(config.configEndpoints,
           (std::array<QString, 3>{QString(), QStringLiteral("http://config.demo.test/c?x=1"), QString()}));
  QCOMPARE(config.connectTo,
           (QStringList{QStringLiteral("www.demo.test:80:127.0.0.1:8080"), QStringLiteral(":443:[::1]:8443")}));
}

void TestSiteConfig::connectToForm_data() {
  QTest::addColumn<QString>("mapping");
  QTest::addColumn<bool>("valid");
  QTest::newRow("full") << QStringLiteral("www.renren.com:80:127.0.0.1:8080") << true;
  QTest::newRow("any host and port") << QStringLiteral("::127.0.0.1:8080") << true;
  QTest::newRow("keep the port") << QStringLiteral("photo.renren.com:80:127.0.0.1:") << true;
  QTest::newRow("IPv6 address") << QStringLiteral("[::1]:80:[::1]:8080") << true;
  QTest::newRow("three parts") << QStringLiteral("www.renren.com:80:127.0.0.1") << false;
  QTest::newRow("no address") << QStringLiteral("www.renren.com:80::8080") << false;
  QTest::newRow("port out of range") << QStringLiteral("www.renren.com:80:127.0.0.1:65536") << false;
  QTest::newRow("port not a number") << QStringLiteral("www.renren.com:http:127.0.0.1:80") << false;
  QTest::newRow("five parts") << QStringLiteral("a:1:b:2:c") << false;
  QTest::newRow("line break") << QStringLiteral("a:1:b:2\nc:1:d:2") << false;
  QTest::newRow("empty") << QString() << false;
}

void TestSiteConfig::connectToForm() {
  QFETCH(QString, mapping);
  QFETCH(bool, valid);
  SiteConfig config;
  QCOMPARE(config.AddConnectTo(mapping), valid);
  QCOMPARE(config.connectTo.size(), valid ? 1 : 0);
}

void TestSiteConfig::resolveHostAddress_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("address");
  QTest::newRow("dotted address") << QStringLiteral("127.0.0.1") << QStringLiteral("127.0.0.1");
  QTest::newRow("localhost") << QStringLiteral("localhost") << QStringLiteral("127.0.0.1");
  QTest::newRow("reserved invalid domain") << QStringLiteral("no-such-host.invalid") << QString();
  QTest::newRow("invalid with a final dot") << QStringLiteral("photo.invalid.") << QString();
  QTest::newRow("empty") << QString() << QString();
}

void TestSiteConfig::resolveHostAddress() {
  QFETCH(QString, name);
  QFETCH(QString, address);
  QCOMPARE(ResolveHostAddress(name), address);
}

namespace tests {
int RunSiteConfigTests(int argc, char** argv) {
  TestSiteConfig test;
  return QTest::qExec(&test, argc, argv);
}
}  // namespace tests

}  // namespace lumvane

#include "TestSiteConfig.moc"
