#include <QTest>

#include "TextTestRunners.h"
#include "text/MarkerSearch.h"

namespace lumvane {

class TestMarkerSearch : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void getBetween_data();
  void getBetween();
  void getBetweenWalksRepeatedMarkers();
  void cutThrough_data();
  void cutThrough();
  void cutAt_data();
  void cutAt();
  void textBefore_data();
  void textBefore();
  void countText_data();
  void countText();
  void splitText_data();
  void splitText();
};

void TestMarkerSearch::getBetween_data() {
  QTest::addColumn<QString>("source");
  QTest::addColumn<QString>("start");
  QTest::addColumn<QString>("end");
  QTest::addColumn<int>("flags");
  QTest::addColumn<QString>("result");
  QTest::addColumn<QString>("sourceAfter");

  const QString page = QStringLiteral("x<b>1</b><b>2</b>");
  QTest::newRow("both markers") << page << "<b>"
                                << "</b>" << 0 << "1" << page;
  QTest::newRow("advance stops after start marker") << page << "<b>"
                                                    << "</b>" << 1 << "1"
                                                    << "1</b><b>2</b>";
  QTest::newRow("to-end with end marker present") << page << "<b>"
                                                  << "</b>" << 2 << "1" << page;
  QTest::newRow("missing start") << page << "<i>"
                                 << "</b>" << 3 << "" << page;
  QTest::newRow("missing end") << "a[bc"
                               << "["
                               << "]" << 0 << ""
                               << "a[bc";
  QTest::newRow("missing end, advance") << "a[bc"
                                        << "["
                                        << "]" << 1 << ""
                                        << "bc";
  QTest::newRow("missing end, to end") << "a[bc"
                                       << "["
                                       << "]" << 2 << "bc"
                                       << "a[bc";
  QTest::newRow("missing end, both flags") << "a[bc"
                                           << "["
                                           << "]" << 3 << "bc"
                                           << "bc";
  QTest::newRow("end only before start") << "]a[b"
                                         << "["
                                         << "]" << 1 << ""
                                         << "b";
  QTest::newRow("start marker at the very end") << "abc["
                                                << "["
                                                << "]" << 3 << ""
                                                << "";
  QTest::newRow("end marker at the very end") << "[abc]"
                                              << "["
                                              << "]" << 1 << "abc"
                                              << "abc]";
  QTest::newRow("same marker both sides") << "'a'b'"
                                          << "'"
                                          << "'" << 1 << "a"
                                          << "a'b'";
  QTest::newRow("empty value") << "[]x"
                               << "["
                               << "]" << 1 << ""
                               << "]x";
  QTest::newRow("empty start marker found at once") << "ab]c"
                                                    << ""
                                                    << "]" << 1 << "ab"
                                                    << "ab]c";
  QTest::newRow("empty end marker found at once") << "[abc"
                                                  << "["
                                                  << "" << 2 << ""
                                                  << "[abc";
  QTest::newRow("case-sensitive") << "<B>1</B>"
                                  << "<b>"
                                  << "</B>" << 1 << ""
                                  << "<B>1</B>";
  QTest::newRow("empty source") << ""
                                << "["
                                << "]" << 3 << ""
                                << "";
}

void TestMarkerSearch::getBetween() {
  QFETCH(QString, source);
  QFETCH(QString, start);
  QFETCH(QString, end);
  QFETCH(int, flags);
  QTEST(GetBetween(source, start, end, flags), "result");
  QTEST(source, "sourceAfter");
}

// The readers' loop: each call with GB_ADVANCE finds the next value.
void TestMarkerSearch::getBetweenWalksRepeatedMarkers() {
  QString source = QStringLiteral("<li id=\"1\">a</li><li id=\"22\">b</li>");
  QCOMPARE(GetBetween(source, "id=\"", "\"", GB_ADVANCE), "1");
  QCOMPARE(source, "1\">a</li><li id=\"22\">b</li>");
  QCOMPARE(GetBetween(source, "id=\"", "\"", GB_ADVANCE), "22");
  QCOMPARE(source, "22\">b</li>");
  QCOMPARE(GetBetween(source, "id=\"", "\"", GB_ADVANCE), "");
  QCOMPARE(source, "22\">b</li>");
}

void TestMarkerSearch::cutThrough_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("marker");
  QTest::addColumn<bool>("inclusive");
  QTest::addColumn<qsizetype>("position");
  QTest::addColumn<QString>("textAfter");

  QTest::newRow("inclusive") << "ab<ul>cd"
                             << "<ul>" << true << qsizetype(2) << "cd";
  QTest::newRow("exclusive") << "ab<ul>cd"
                             << "<ul>" << false << qsizetype(2) << "<ul>cd";
  QTest::newRow("first occurrence") << "a,b,c"
                                    << "," << true << qsizetype(1) << "b,c";
  QTest::newRow("marker at the very end") << "abc<ul>"
                                          << "<ul>" << true << qsizetype(3) << "";
  QTest::newRow("missing") << "abc"
                           << "<ul>" << true << qsizetype(-1) << "abc";
  QTest::newRow("empty marker") << "abc"
                                << "" << true << qsizetype(0) << "abc";
}

void TestMarkerSearch::cutThrough() {
  QFETCH(QString, text);
  QFETCH(QString, marker);
  QFETCH(bool, inclusive);
  QTEST(CutThrough(text, marker, inclusive), "position");
  QTEST(text, "textAfter");
}

void TestMarkerSearch::cutAt_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("marker");
  QTest::addColumn<qsizetype>("position");
  QTest::addColumn<QString>("textAfter");

  QTest::newRow("found") << "ab</ul>cd</ul>"
                         << "</ul>" << qsizetype(2) << "ab";
  QTest::newRow("at the start") << "</ul>cd"
                                << "</ul>" << qsizetype(0) << "";
  QTest::newRow("missing") << "abc"
                           << "</ul>" << qsizetype(-1) << "abc";
}

void TestMarkerSearch::cutAt() {
  QFETCH(QString, text);
  QFETCH(QString, marker);
  QTEST(CutAt(text, marker), "position");
  QTEST(text, "textAfter");
}

void TestMarkerSearch::textBefore_data() {
  QTest::addColumn<QString>("source");
  QTest::addColumn<QString>("marker");
  QTest::addColumn<QString>("result");

  QTest::newRow("found") << "12345?x=1"
                         << "?"
                         << "12345";
  QTest::newRow("at the start") << "?x"
                                << "?"
                                << "";
  QTest::newRow("missing") << "12345"
                           << "?"
                           << "";
}

void TestMarkerSearch::textBefore() {
  QFETCH(QString, source);
  QFETCH(QString, marker);
  const QString before = source;
  QTEST(TextBefore(source, marker), "result");
  QCOMPARE(source, before);
}

void TestMarkerSearch::countText_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("separator");
  QTest::addColumn<qsizetype>("count");

  QTest::newRow("none") << "abc"
                        << "<li>" << qsizetype(0);
  QTest::newRow("several") << "<li>a<li>b<li>"
                           << "<li>" << qsizetype(3);
  QTest::newRow("non-overlapping") << "aaaaa"
                                   << "aa" << qsizetype(2);
  QTest::newRow("empty separator") << "abc"
                                   << "" << qsizetype(0);
  QTest::newRow("empty text") << ""
                              << "a" << qsizetype(0);
}

void TestMarkerSearch::countText() {
  QFETCH(QString, text);
  QFETCH(QString, separator);
  QTEST(CountText(text, separator), "count");
}

void TestMarkerSearch::splitText_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("separator");
  QTest::addColumn<qsizetype>("count");
  QTest::addColumn<QStringList>("pieces");

  QTest::newRow("no separator leaves the array empty") << "abc"
                                                       << "<li>" << qsizetype(0) << QStringList{};
  QTest::newRow("two separators") << "head<li>a<li>b"
                                  << "<li>" << qsizetype(2) << QStringList{"head", "a", "b"};
  QTest::newRow("separators at both ends") << "<li>a<li>"
                                           << "<li>" << qsizetype(2) << QStringList{"", "a", ""};
  QTest::newRow("adjacent separators") << "a,,b"
                                       << "," << qsizetype(2) << QStringList{"a", "", "b"};
  QTest::newRow("non-overlapping") << "aaa"
                                   << "aa" << qsizetype(1) << QStringList{"", "a"};
  QTest::newRow("empty separator") << "abc"
                                   << "" << qsizetype(0) << QStringList{};
}

void TestMarkerSearch::splitText() {
  QFETCH(QString, text);
  QFETCH(QString, separator);
  QStringList pieces{"left over"};
  QTEST(SplitText(text, separator, pieces), "count");
  QTEST(pieces, "pieces");
}

}  // namespace lumvane

int lumvane::tests::RunMarkerSearchTests(int argc, char** argv) {
  lumvane::TestMarkerSearch test;
  return QTest::qExec(&test, argc, argv);
}

#include "TestMarkerSearch.moc"
