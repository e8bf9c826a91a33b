#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include "SettingsTestRunners.h"
#include "settings/Ini.h"

namespace lumvane {

namespace {

QByteArray Gbk(const QString& text) { return QStringEncoder("GBK").encode(text); }

QByteArray Utf16LeWithBom(const QString& text) {
  const QByteArray units = QStringEncoder(QStringEncoder::Utf16LE).encode(text);
  return QByteArray("\xFF\xFE") + units;
}

// An INI file in a temporary folder, gone with the object.
class IniFile {
 public:
  explicit IniFile(const QByteArray& bytes) {
    QFile file(Path());
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  }
  QString Path() const { return dir_.filePath(QStringLiteral("test.ini")); }

 private:
  QTemporaryDir dir_;
};

}  // namespace

class TestIni : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void getString_data();
  void getString();
  void getNumber_data();
  void getNumber();
  void missingFile();
  void entriesInFileOrder();
};

void TestIni::getString_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<QString>("section");
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("value");

  const QString d = QStringLiteral("<default>");
  QTest::newRow("UTF-8") << QByteArray("[QQ空间]\nV2编码=UTF8\n") << "QQ空间"
                         << "V2编码"
                         << "UTF8";
  QTest::newRow("UTF-8 with BOM, CRLF") << QByteArray("\xEF\xBB\xBF[QQ空间]\r\nV2编码=AUTO\r\n") << "QQ空间"
                                        << "V2编码"
                                        << "AUTO";
  QTest::newRow("GBK") << Gbk(QStringLiteral("[淘宝]\r\n图片名中是否有价格=有\r\n")) << "淘宝"
                       << "图片名中是否有价格"
                       << "有";
  QTest::newRow("UTF-16 with BOM") << Utf16LeWithBom(QStringLiteral("[淘宝]\r\n价格增减=-3\r\n")) << "淘宝"
                                   << "价格增减"
                                   << "-3";
  QTest::newRow("names in any case") << QByteArray("[Instagram]\nMode=2\n") << "INSTAGRAM"
                                     << "mODE"
                                     << "2";
  QTest::newRow("missing key") << QByteArray("[s]\nk=1\n") << "s"
                               << "other" << d;
  QTest::newRow("missing section") << QByteArray("[s]\nk=1\n") << "t"
                                   << "k" << d;
  QTest::newRow("key of another section") << QByteArray("[a]\nk=1\n[b]\nj=2\n") << "b"
                                          << "k" << d;
  QTest::newRow("first of two sections of a name") << QByteArray("[a]\nk=1\n[A]\nk=2\nj=3\n") << "a"
                                                   << "k"
                                                   << "1";
  QTest::newRow("first of two keys") << QByteArray("[a]\nk=1\nK=2\n") << "a"
                                     << "k"
                                     << "1";
  QTest::newRow("blanks around name and value") << QByteArray("[ s ]\n  k  =  a b  \n") << "s"
                                                << "k"
                                                << "a b";
  QTest::newRow("double quotes") << QByteArray("[s]\nk=\" a b \"\n") << "s"
                                 << "k"
                                 << " a b ";
  QTest::newRow("single quotes") << QByteArray("[s]\nk='x'\n") << "s"
                                 << "k"
                                 << "x";
  QTest::newRow("unmatched quotes stay") << QByteArray("[s]\nk=\"x'\n") << "s"
                                         << "k"
                                         << "\"x'";
  QTest::newRow("lone quote stays") << QByteArray("[s]\nk=\"\n") << "s"
                                    << "k"
                                    << "\"";
  QTest::newRow("equals sign in the value") << QByteArray("[s]\nk=a=b\n") << "s"
                                            << "k"
                                            << "a=b";
  QTest::newRow("empty value is not the default") << QByteArray("[s]\nk=\n") << "s"
                                                  << "k"
                                                  << "";
  QTest::newRow("comment line") << QByteArray("[s]\n;k=1\n") << "s"
                                << "k" << d;
  QTest::newRow("key before any section") << QByteArray("k=1\n[s]\n") << "s"
                                          << "k" << d;
  QTest::newRow("no newline at the end") << QByteArray("[s]\nk=v") << "s"
                                         << "k"
                                         << "v";
}

void TestIni::getString() {
  QFETCH(QByteArray, file);
  QFETCH(QString, section);
  QFETCH(QString, key);
  const IniFile ini(file);
  QTEST(CIni(ini.Path()).GetString(section, key, QStringLiteral("<default>")), "value");
}

void TestIni::getNumber_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<quint32>("number");

  QTest::newRow("number") << QByteArray("[s]\nn=12\n") << quint32(12);
  QTest::newRow("leading zeros") << QByteArray("[s]\nn=007\n") << quint32(7);
  QTest::newRow("empty value gives the default") << QByteArray("[s]\nn=\n") << quint32(77);
  QTest::newRow("missing key gives the default") << QByteArray("[s]\nm=1\n") << quint32(77);
  QTest::newRow("not a number") << QByteArray("[s]\nn=abc\n") << quint32(0);
  QTest::newRow("digits then text") << QByteArray("[s]\nn=12abc\n") << quint32(12);
  QTest::newRow("plus sign") << QByteArray("[s]\nn=+7\n") << quint32(7);
  QTest::newRow("minus sign wraps") << QByteArray("[s]\nn=-1\n") << quint32(4294967295u);
  QTest::newRow("largest") << QByteArray("[s]\nn=4294967295\n") << quint32(4294967295u);
  QTest::newRow("too large") << QByteArray("[s]\nn=4294967296\n") << quint32(4294967295u);
  QTest::newRow("far too large") << QByteArray("[s]\nn=-99999999999999999999999\n") << quint32(4294967295u);
}

void TestIni::getNumber() {
  QFETCH(QByteArray, file);
  const IniFile ini(file);
  QTEST(CIni(ini.Path()).GetNumber(QStringLiteral("s"), QStringLiteral("n"), 77), "number");
}

void TestIni::missingFile() {
  const QTemporaryDir dir;
  const CIni ini(dir.filePath(QStringLiteral("none.ini")));
  QVERIFY(!ini.Exists());
  QCOMPARE(ini.GetString(QStringLiteral("s"), QStringLiteral("k")), QString());
  QCOMPARE(ini.GetNumber(QStringLiteral("s"), QStringLiteral("k"), 5), 5u);
  QVERIFY(ini.Entries(QStringLiteral("s")).isEmpty());
}

void TestIni::entriesInFileOrder() {
  const IniFile file(QByteArray("[hosts]\nphoto=p.example\nmain = m.example\n[other]\nx=1\n"));
  const CIni ini(file.Path());
  QVERIFY(ini.Exists());
  const QList<QPair<QString, QString>> expected{{"photo", "p.example"}, {"main", "m.example"}};
  QCOMPARE(ini.Entries(QStringLiteral("HOSTS")), expected);
}

}  // namespace lumvane

int lumvane::tests::RunIniTests(int argc, char** argv) {
  lumvane::TestIni test;
  return QTest::qExec(&test, argc, argv);
}

#include "TestIni.moc"
