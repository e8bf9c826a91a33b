#include <QTest>

#include "TextTestRunners.h"
#include "text/CodePage.h"

namespace lumvane {

class TestCodePage : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void toGbk_data();
  void toGbk();
  void gbkRoundTrip_data();
  void gbkRoundTrip();
  void fromCodePage_data();
  void fromCodePage();
  void fromAnsiStopsAtZeroByte();
  void isUtf8_data();
  void isUtf8();
};

void TestCodePage::toGbk_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QByteArray>("bytes");

  QTest::newRow("Chinese") << "中文" << QByteArray("\xD6\xD0\xCE\xC4");
  QTest::newRow("ASCII") << "a.jpg" << QByteArray("a.jpg");
  QTest::newRow("empty") << "" << QByteArray();
  QTest::newRow("Hangul has no GBK form") << "a한b" << QByteArray("a?b");
  QTest::newRow("character outside the BMP") << "x\U0001F600" << QByteArray("x?");
}

void TestCodePage::toGbk() {
  QFETCH(QString, text);
  QTEST(ToGbk(text), "bytes");
}

void TestCodePage::gbkRoundTrip_data() {
  QTest::addColumn<QString>("text");

  QTest::newRow("simplified") << "人人网相册 第1页";
  QTest::newRow("traditional") << "繁體相冊";
  QTest::newRow("punctuation") << "、。《》“”（）";
  QTest::newRow("ASCII") << "http://photo.renren.com/a?b=1&c=2";
}

void TestCodePage::gbkRoundTrip() {
  QFETCH(QString, text);
  const QByteArray gbk = ToGbk(text);
  QCOMPARE(FromCodePage(gbk, CP_GBK), text);
  QCOMPARE(FromAnsi(gbk), text);
}

void TestCodePage::fromCodePage_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<int>("codePage");
  QTest::addColumn<QString>("text");

  QTest::newRow("GBK") << QByteArray("\xD6\xD0\xCE\xC4") << int(CP_GBK) << "中文";
  QTest::newRow("Big5") << QByteArray("\xA4\xA4\xA4\xE5") << int(CP_BIG5) << "中文";
  QTest::newRow("EUC-KR") << QByteArray("\xC7\xD1\xB1\xB9") << int(CP_EUC_KR) << "한국";
  QTest::newRow("UTF-8") << QByteArray("\xE4\xB8\xAD\xE6\x96\x87") << int(CP_UTF8) << "中文";
  QTest::newRow("NUL ends the text") << QByteArray("ab\0cd", 5) << int(CP_UTF8) << "ab";
  QTest::newRow("NUL first") << QByteArray("\0cd", 3) << int(CP_GBK) << "";
  QTest::newRow("empty") << QByteArray() << int(CP_GBK) << "";
  QTest::newRow("unknown code page") << QByteArray("abc") << 12345 << "";
  QTest::newRow("truncated UTF-8 is not held back") << QByteArray("a\xE4\xB8") << int(CP_UTF8) << "a\uFFFD\uFFFD";
}

void TestCodePage::fromCodePage() {
  QFETCH(QByteArray, bytes);
  QFETCH(int, codePage);
  QTEST(FromCodePage(bytes, codePage), "text");
}

void TestCodePage::fromAnsiStopsAtZeroByte() {
  QCOMPARE(FromAnsi(QByteArray("\xD6\xD0\0\xCE\xC4", 5)), "中");
  QCOMPARE(FromAnsi(QByteArray()), "");
}

void TestCodePage::isUtf8_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<int>("result");

  QTest::newRow("empty") << QByteArray() << 0;
  QTest::newRow("pure ASCII") << QByteArray("<html>abc</html>") << 0;
  QTest::newRow("UTF-8 Chinese") << QByteArray("a\xE4\xB8\xAD\xE6\x96\x87") << 1;
  QTest::newRow("GBK Chinese") << QByteArray("\xD6\xD0\xCE\xC4") << 0;
  QTest::newRow("four-byte sequence") << QByteArray("\xF0\x9F\x98\x80") << 1;
  QTest::newRow("truncated at the end") << QByteArray("\xE4\xB8\xAD\xE6\x96") << 0;
  QTest::newRow("lone lead byte at the end") << QByteArray("abc\xC3") << 0;
  QTest::newRow("stray continuation byte") << QByteArray("a\x80") << 0;
  QTest::newRow("lead byte followed by ASCII") << QByteArray("\xC3z") << 0;
  QTest::newRow("zero bytes count as ASCII") << QByteArray("\0\xC3\xA9\0", 4) << 1;
  QTest::newRow("lead 0xFC takes five") << QByteArray("\xFC\x80\x80\x80\x80\x80") << 1;
  QTest::newRow("lead 0xFE takes four") << QByteArray("\xFE\x80\x80\x80\x80") << 1;
}

void TestCodePage::isUtf8() {
  QFETCH(QByteArray, bytes);
  QTEST(IsUtf8(bytes.constData(), bytes.size()), "result");
}

}  // namespace lumvane

int lumvane::tests::RunCodePageTests(int argc, char** argv) {
  lumvane::TestCodePage test;
  return QTest::qExec(&test, argc, argv);
}

#include "TestCodePage.moc"
