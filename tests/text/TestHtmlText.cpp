#include <QTest>

#include "TextTestRunners.h"
#include "text/HtmlText.h"

namespace lumvane {

class TestHtmlText : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void stripTags_data();
  void stripTags();
  void decodeEntities_data();
  void decodeEntities();
  void unescapeU_data();
  void unescapeU();
};

void TestHtmlText::stripTags_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("stripped");

  QTest::newRow("bold name and count") << "<b>旅行</b> (12)"
                                       << "旅行 (12)";
  QTest::newRow("no tags") << "plain text"
                           << "plain text";
  QTest::newRow("attributes") << "<a href=\"x\" class='y'>link</a>!"
                              << "link!";
  QTest::newRow("line breaks stay") << "a\n<br/>\n b"
                                    << "a\n\n b";
  QTest::newRow("a second < inside a tag") << "x<a<b>y"
                                           << "xy";
  QTest::newRow("unclosed < stays") << "a<b>c<d"
                                    << "ac<d";
  QTest::newRow("lone >") << "a>b<i>c"
                          << "a>bc";
  QTest::newRow("empty tag does not end the stripping") << "a<>b<i>c</i>"
                                                        << "abc";
  QTest::newRow("tag at the very end") << "name<br>"
                                       << "name";
  QTest::newRow("only a tag") << "<p>"
                              << "";
}

void TestHtmlText::stripTags() {
  QFETCH(QString, text);
  QTEST(StripTags(text), "stripped");
}

void TestHtmlText::decodeEntities_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("decoded");

  QTest::newRow("all seven") << "&quot;&amp;&lt;&gt;&nbsp;&hellip;&#39;"
                             << "\"&<> \u2026'";
  QTest::newRow("repeated") << "a&amp;b&amp;c"
                            << "a&b&c";
  QTest::newRow("&amp;lt; decodes twice") << "&amp;lt;b&amp;gt;"
                                          << "<b>";
  QTest::newRow("&amp;quot; decodes once") << "&amp;quot;"
                                           << "&quot;";
  QTest::newRow("&amp;amp; decodes once") << "&amp;amp;"
                                          << "&amp;";
  QTest::newRow("other entities stay") << "&copy;&#40;&apos;&QUOT;"
                                       << "&copy;&#40;&apos;&QUOT;";
  QTest::newRow("no semicolon") << "&quot x &amp"
                                << "&quot x &amp";
  QTest::newRow("entity at the very end") << "Tom &amp"
                                          << "Tom &amp";
  QTest::newRow("no ampersand") << "plain"
                                << "plain";
}

void TestHtmlText::decodeEntities() {
  QFETCH(QString, text);
  DecodeEntities(text);
  QTEST(text, "decoded");
}

void TestHtmlText::unescapeU_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("unescaped");

  QTest::newRow("two escapes and letters") << "\\u4e2d\\u6587abc"
                                           << "中文abc";
  QTest::newRow("upper-case digits") << "x\\u4E2Dy"
                                     << "x中y";
  QTest::newRow("text before the first escape") << "name: \\u0041"
                                                << "name: A";
  QTest::newRow("surrogate pair") << "\\ud83d\\ude00"
                                  << "\U0001F600";
  QTest::newRow("only two characters follow") << "ab\\u4e"
                                              << "ab4e";
  QTest::newRow("escape at the very end") << "ab\\u"
                                          << "ab";
  QTest::newRow("escape after escape") << "\\u\\u0041"
                                       << "A";
  QTest::newRow("non-hex digits are not an escape") << "C:\\users\\me"
                                                    << "C:\\users\\me";
  QTest::newRow("partly hex digits are not an escape") << "\\u4eZZ\\u0041"
                                                       << "\\u4eZZA";
  QTest::newRow("no escape") << "a\\nb"
                             << "a\\nb";
}

void TestHtmlText::unescapeU() {
  QFETCH(QString, text);
  QTEST(UnescapeU(text), "unescaped");
}

}  // namespace lumvane

int lumvane::tests::RunHtmlTextTests(int argc, char** argv) {
  lumvane::TestHtmlText test;
  return QTest::qExec(&test, argc, argv);
}

#include "TestHtmlText.moc"
