#include <QTest>

#include "TextTestRunners.h"
#include "platform/Clock.h"
#include "text/FileNameText.h"

namespace lumvane {

class TestFileNameText : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void multiReplace_data();
  void multiReplace();
  void sanitizeFileName_data();
  void sanitizeFileName();
  void sanitizeFileNameTimeStampFallback();
};

void TestFileNameText::multiReplace_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("oldList");
  QTest::addColumn<QString>("newList");
  QTest::addColumn<QString>("replaced");

  QTest::newRow("one pair") << "IMG_001"
                            << "IMG_"
                            << "pic"
                            << "pic001";
  QTest::newRow("two pairs") << "a-b-a"
                             << "a|b"
                             << "x|y"
                             << "x-y-x";
  QTest::newRow("later pair sees earlier result") << "a"
                                                  << "a|b"
                                                  << "b|c"
                                                  << "c";
  QTest::newRow("counts differ: whole list") << "a|b and a"
                                             << "a|b"
                                             << "x"
                                             << "x and a";
  QTest::newRow("empty new piece deletes") << "a-b"
                                           << "-|b"
                                           << "|B"
                                           << "aB";
  QTest::newRow("empty old piece changes nothing") << "abc"
                                                   << "|b"
                                                   << "x|y"
                                                   << "ayc";
  QTest::newRow("empty lists change nothing") << "abc"
                                              << ""
                                              << ""
                                              << "abc";
}

void TestFileNameText::multiReplace() {
  QFETCH(QString, text);
  QFETCH(QString, oldList);
  QFETCH(QString, newList);
  MultiReplace(text, oldList, newList);
  QTEST(text, "replaced");
}

void TestFileNameText::sanitizeFileName_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("number");
  QTest::addColumn<bool>("useFallback");
  QTest::addColumn<QString>("cleaned");

  const QString long999(999, u'a');
  const QString long1000(1000, u'a');
  QTest::newRow("plain name") << "相册 1" << 1 << true << "相册 1";
  QTest::newRow("entities") << "Tom &amp; Jerry&#39;s" << 1 << true << "Tom & Jerry's";
  QTest::newRow("runs of blanks") << "a    b  c" << 1 << true << "a b c";
  QTest::newRow("nbsp entities become one blank") << "&nbsp;&nbsp;a&nbsp;&nbsp;b" << 1 << true << "a b";
  QTest::newRow("blanks at both ends") << " \t a \r\n" << 1 << true << "a";
  QTest::newRow("reserved characters") << "a\\b/c:d*e?f\"g<h>i|j" << 1 << true << "abcdefghij";
  QTest::newRow("line breaks and bell inside") << "a\r\nb\ac" << 1 << true << "abc";
  QTest::newRow("blanks left by removed characters stay") << "a ? b" << 1 << true << "a  b";
  QTest::newRow("tabs inside") << "a\t\tb" << 1 << true << "a__b";
  QTest::newRow("one dot") << "." << 1 << true << "\u3002";
  QTest::newRow("only dots") << "..." << 1 << false << "\u3002\u3002\u3002";
  QTest::newRow("dots around the name") << "..a.b.." << 1 << true << "a.b";
  QTest::newRow("dots and blanks") << ". a ." << 1 << true << "a";
  QTest::newRow("dots left by removed characters") << "?.." << 4 << true << "pic4";
  QTest::newRow("only reserved characters") << "???" << 3 << true << "pic3";
  QTest::newRow("only reserved characters, no fallback") << "???" << 3 << false << "";
  QTest::newRow("empty") << "" << 7 << true << "pic7";
  QTest::newRow("empty, no fallback") << "" << 7 << false << "";
  QTest::newRow("999 characters") << long999 << 2 << true << long999;
  QTest::newRow("1000 characters") << long1000 << 2 << true << "pic2";
  QTest::newRow("1000 characters, no fallback") << long1000 << 2 << false << long1000;
  QTest::newRow("quote entity is removed") << "&quot;x&quot;" << 1 << true << "x";
}

void TestFileNameText::sanitizeFileName() {
  QFETCH(QString, text);
  QFETCH(int, number);
  QFETCH(bool, useFallback);
  SanitizeFileName(text, number, useFallback);
  QTEST(text, "cleaned");
}

void TestFileNameText::sanitizeFileNameTimeStampFallback() {
  const ScopedClockOverride clock(QDateTime(QDate(2014, 12, 29), QTime(8, 5, 9)));
  QString text = QStringLiteral("<>");
  SanitizeFileName(text, kFallbackTimeStamp, true);
  QCOMPARE(text, "20141229080509");
}

}  // namespace lumvane

int lumvane::tests::RunFileNameTextTests(int argc, char** argv) {
  lumvane::TestFileNameText test;
  return QTest::qExec(&test, argc, argv);
}

#include "TestFileNameText.moc"
