#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "SettingsTestRunners.h"
#include "settings/SettingsFile.h"

namespace lumvane {

namespace {

// Values that no load leaves in place, except qqOriginalNameMode when the
// file is missing.
ExtensionSettings Stale() { return ExtensionSettings{9, 9, 7, 9, 9, 9}; }

}  // namespace

class TestExtensionSettings : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void load_data();
  void load();
  void missingFileKeepsTheBeforeReadingValues();
};

void TestExtensionSettings::load_data() {
  QTest::addColumn<QString>("ini");
  QTest::addColumn<int>("v2");
  QTest::addColumn<int>("v3");
  QTest::addColumn<int>("nameMode");
  QTest::addColumn<int>("hasPrice");
  QTest::addColumn<int>("priceDelta");
  QTest::addColumn<int>("instagram");

  const QString qq = QStringLiteral("[QQ空间]\n");
  const QString taobao = QStringLiteral("[淘宝]\n");
  QTest::newRow("empty file gives the defaults") << "" << 0 << 0 << 1 << 0 << 0 << 1;
  QTest::newRow("utf8 in lower case") << qq + "V2编码=utf8\n" << 0 << 0 << 1 << 0 << 0 << 1;
  QTest::newRow("UTF8 prefix") << qq + "V2编码=UTF8编码\n" << 2 << 0 << 1 << 0 << 0 << 1;
  QTest::newRow("UTF8 tested before ANSI") << qq + "V3编码=UTF8ANSI\n" << 0 << 2 << 1 << 0 << 0 << 1;
  QTest::newRow("ANSI") << qq + "V2编码=ANSI\nV3编码=ANSI\n" << 0 << 0 << 1 << 0 << 0 << 1;
  QTest::newRow("AUTO and BIG5") << qq + "V2编码=AUTO\nV3编码=BIG5\n" << 16 << 8 << 1 << 0 << 0 << 1;
  QTest::newRow("big5 in lower case") << qq + "V3编码=big5\n" << 0 << 0 << 1 << 0 << 0 << 1;
  QTest::newRow("name mode") << qq + "取原始名方式=2\n" << 0 << 0 << 2 << 0 << 0 << 1;
  QTest::newRow("price in the name") << taobao + "图片名中是否有价格=有\n" << 0 << 0 << 1 << 1 << 0 << 1;
  QTest::newRow("price prefix") << taobao + "图片名中是否有价格=有价格\n" << 0 << 0 << 1 << 1 << 0 << 1;
  QTest::newRow("no price") << taobao + "图片名中是否有价格=没有\n" << 0 << 0 << 1 << 0 << 0 << 1;
  QTest::newRow("negative price change") << taobao + "价格增减=-15\n" << 0 << 0 << 1 << 0 << -15 << 1;
  QTest::newRow("Instagram mode") << "[instagram]\n图片获取方式=0\n" << 0 << 0 << 1 << 0 << 0 << 0;
  QTest::newRow("keys in the wrong section") << taobao + "V2编码=UTF8\n取原始名方式=3\n" << 0 << 0 << 1 << 0 << 0 << 1;
}

void TestExtensionSettings::load() {
  QFETCH(QString, ini);
  QTemporaryDir dir;
  QFile file(dir.filePath(QString::fromUtf16(kExtensionIniName)));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(ini.toUtf8());
  file.close();

  ExtensionSettings settings = Stale();
  LoadExtensionSettings(dir.path() + u'/', settings);
  QTEST(int(settings.qqV2Coding), "v2");
  QTEST(int(settings.qqV3Coding), "v3");
  QTEST(int(settings.qqOriginalNameMode), "nameMode");
  QTEST(int(settings.taobaoHasPrice), "hasPrice");
  QTEST(int(settings.taobaoPriceDelta), "priceDelta");
  QTEST(int(settings.instagramFetchMode), "instagram");
}

void TestExtensionSettings::missingFileKeepsTheBeforeReadingValues() {
  QTemporaryDir dir;
  ExtensionSettings settings = Stale();
  LoadExtensionSettings(dir.path() + u'/', settings);
  QCOMPARE(settings.qqV2Coding, 0);
  QCOMPARE(settings.qqV3Coding, 0);
  QCOMPARE(settings.qqOriginalNameMode, 7);
  QCOMPARE(settings.taobaoHasPrice, 0);
  QCOMPARE(settings.taobaoPriceDelta, 0);
  QCOMPARE(settings.instagramFetchMode, 1);
}

}  // namespace lumvane

int lumvane::tests::RunExtensionSettingsTests(int argc, char** argv) {
  lumvane::TestExtensionSettings test;
  return QTest::qExec(&test, argc, argv);
}

#include "TestExtensionSettings.moc"
