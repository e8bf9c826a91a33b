#include <QTest>

#include "SettingsImage.h"
#include "SettingsTestRunners.h"
#include "settings/SettingsBlock.h"

namespace lumvane {

using namespace tests;

class TestSettingsBlock : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void paramsAreLittleEndianAtTheirOffsets_data();
  void paramsAreLittleEndianAtTheirOffsets();
  void ruleLayout();
  void ruleTextIsCut_data();
  void ruleTextIsCut();
  void ruleTextReading_data();
  void ruleTextReading();
  void rewritingARuleKeepsUnitsAfterTerminators();
  void otherKindsAreIgnored();
  void addHistory_data();
  void addHistory();
};

void TestSettingsBlock::paramsAreLittleEndianAtTheirOffsets_data() {
  QTest::addColumn<int>("kind");
  QTest::newRow("first kind") << 0;
  QTest::newRow("last kind") << 23;
}

void TestSettingsBlock::paramsAreLittleEndianAtTheirOffsets() {
  QFETCH(int, kind);
  SettingsBlock block;
  block.SetParams(kind, DownloadParams{0x0102, 0x0304, 0x0506, 0x0708});
  QByteArray expected(kImageSize, '\0');
  expected.replace(ParamsAt(kind), 8, QByteArray("\x02\x01\x04\x03\x06\x05\x08\x07"));
  QCOMPARE(block.Bytes(), expected);
  const DownloadParams back = block.Params(kind);
  QCOMPARE(back.minSizeK, 0x0102);
  QCOMPARE(back.maxSizeK, 0x0304);
  QCOMPARE(back.threadCount, 0x0506);
  QCOMPARE(back.timeoutSec, 0x0708);
}

void TestSettingsBlock::ruleLayout() {
  SaveRule rule;
  rule.prefix = QStringLiteral("前");
  rule.suffix = QStringLiteral("s");
  rule.replaceFrom = QStringLiteral("a|b");
  rule.replaceTo = QStringLiteral("x|y");
  rule.folderPrefix = QStringLiteral("fp");
  rule.folderSuffix = QStringLiteral("fs");
  rule.options = OPT_SKIP_OLD | OPT_TAOBAO_DESC;
  rule.nameSource = NAME_ADDRESS;
  rule.folderSource = FOLDER_NONE;
  SettingsBlock block;
  block.SetRule(23, rule);

  QByteArray expected(kImageSize, '\0');
  PutText(expected, RuleAt(23), rule.prefix);
  PutText(expected, RuleAt(23) + 80, rule.suffix);
  PutText(expected, RuleAt(23) + 160, rule.replaceFrom);
  PutText(expected, RuleAt(23) + 240, rule.replaceTo);
  PutText(expected, RuleAt(23) + 320, rule.folderPrefix);
  PutText(expected, RuleAt(23) + 400, rule.folderSuffix);
  PutU16(expected, RuleAt(23) + 480, 0x140);
  expected[RuleAt(23) + 482] = 2;
  expected[RuleAt(23) + 483] = 1;
  QCOMPARE(block.Bytes(), expected);

  const SaveRule back = block.Rule(23);
  QCOMPARE(back.prefix, rule.prefix);
  QCOMPARE(back.suffix, rule.suffix);
  QCOMPARE(back.replaceFrom, rule.replaceFrom);
  QCOMPARE(back.replaceTo, rule.replaceTo);
  QCOMPARE(back.folderPrefix, rule.folderPrefix);
  QCOMPARE(back.folderSuffix, rule.folderSuffix);
  QCOMPARE(back.options, rule.options);
  QCOMPARE(back.nameSource, rule.nameSource);
  QCOMPARE(back.folderSource, rule.folderSource);
  QCOMPARE(block.Options(23), rule.options);
}

void TestSettingsBlock::ruleTextIsCut_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("stored");

  const QString x37(37, u'x');
  QTest::newRow("37 characters") << x37 << x37;
  QTest::newRow("38 characters") << x37 + u'y' << x37 + u'y';
  QTest::newRow("39 characters") << x37 + u"yz" << x37 + u'y';
  QTest::newRow("100 characters") << QString(100, u'x') << QString(38, u'x');
  QTest::newRow("no half surrogate pair") << x37 + u"\U0001F600" << x37;
}

void TestSettingsBlock::ruleTextIsCut() {
  QFETCH(QString, text);
  QFETCH(QString, stored);
  SaveRule rule;
  rule.suffix = text;
  SettingsBlock block;
  block.SetRule(4, rule);
  QCOMPARE(block.Rule(4).suffix, stored);
  QCOMPARE(GetU16(block.Bytes(), RuleAt(4) + 80 + 2 * int(stored.size())), 0);
  QCOMPARE(GetU16(block.Bytes(), RuleAt(4) + 160), 0);  // the next field is untouched
}

void TestSettingsBlock::ruleTextReading_data() {
  QTest::addColumn<QString>("units");  // the 40 units of the field, '0' for a zero unit
  QTest::addColumn<QString>("text");

  QTest::newRow("stops at the first zero") << "ab0cd"
                                           << "ab";
  QTest::newRow("empty") << "0abc"
                         << "";
  QTest::newRow("40 units without a zero") << QString(40, u'q') << QString(40, u'q');
}

void TestSettingsBlock::ruleTextReading() {
  QFETCH(QString, units);
  QByteArray image(kImageSize, '\0');
  for (qsizetype i = 0; i < units.size(); ++i)
    PutU16(image, RuleAt(2) + 2 * int(i), units[i] == u'0' ? 0 : units[i].unicode());
  PutU16(image, RuleAt(2) + 80, u'S');  // the next field must not be read into the text
  SettingsBlock block;
  block.SetBytes(image);
  QTEST(block.Rule(2).prefix, "text");
}

void TestSettingsBlock::rewritingARuleKeepsUnitsAfterTerminators() {
  QByteArray image(kImageSize, '\0');
  PutText(image, RuleAt(5), QStringLiteral("pre"));
  PutText(image, RuleAt(5) + 8, QStringLiteral("old tail"));
  PutText(image, RuleAt(5) + 80 + 60, QStringLiteral("junk"));
  SettingsBlock block;
  block.SetBytes(image);
  block.SetRule(5, block.Rule(5));
  QCOMPARE(block.Bytes(), image);
}

void TestSettingsBlock::otherKindsAreIgnored() {
  SettingsBlock block;
  block.SetParams(24, DownloadParams{1, 2, 3, 4});
  block.SetParams(-1, DownloadParams{1, 2, 3, 4});
  block.SetOptions(24, 0xFFFF);
  SaveRule rule;
  rule.prefix = QStringLiteral("p");
  block.SetRule(24, rule);
  QCOMPARE(block.Bytes(), QByteArray(kImageSize, '\0'));
  QCOMPARE(block.Params(24).threadCount, DownloadParams{}.threadCount);
  QCOMPARE(block.Options(-1), 0);
  QCOMPARE(block.Rule(99).prefix, QString());
}

void TestSettingsBlock::addHistory_data() {
  QTest::addColumn<QStringList>("before");
  QTest::addColumn<int>("which");
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("added");
  QTest::addColumn<QStringList>("after");

  const QStringList five{"e0", "e1", "e2", "HTTP://Renren.com/A", "e4"};
  const QString long399(399, u'a');
  QTest::newRow("first entry") << QStringList{} << 0 << "http://a" << true << QStringList{"http://a"};
  QTest::newRow("new text goes first") << QStringList{"b", "c"} << 1 << "a" << true << QStringList{"a", "b", "c"};
  QTest::newRow("entry 3 in other case") << five << 0 << "http://renren.com/a" << false << five;
  QTest::newRow("entry 0 again") << five << 1 << "e0" << false << five;
  QTest::newRow("sixth pushes the oldest out")
      << QStringList{"5", "4", "3", "2", "1"} << 1 << "6" << true << QStringList{"6", "5", "4", "3", "2"};
  QTest::newRow("400 characters refused") << QStringList{"a"} << 0 << QString(400, u'x') << false << QStringList{"a"};
  QTest::newRow("399 characters accepted") << QStringList{"a"} << 0 << long399 << true << QStringList{long399, "a"};
  QTest::newRow("399 characters pushed down")
      << QStringList{long399, "b"} << 0 << "c" << true << QStringList{"c", long399, "b"};
  QTest::newRow("which 2 refused") << QStringList{"a"} << 2 << "b" << false << QStringList{"a"};
  QTest::newRow("which -1 refused") << QStringList{"a"} << -1 << "b" << false << QStringList{"a"};
  QTest::newRow("empty text refused") << five << 0 << "" << false << five;
}

// Both histories start as `before`; only the one named by `which` may change.
void TestSettingsBlock::addHistory() {
  QFETCH(QStringList, before);
  QFETCH(int, which);
  QFETCH(QString, text);
  QFETCH(QStringList, after);

  QByteArray image(kImageSize, '\0');
  for (int history = 0; history < 2; ++history) {
    for (int entry = 0; entry < before.size(); ++entry) PutText(image, HistoryAt(history, entry), before[entry]);
  }
  SettingsBlock block;
  block.SetBytes(image);
  QTEST(block.AddHistory(which, text), "added");
  for (int history = 0; history < 2; ++history) {
    const QStringList& expected = history == which ? after : before;
    for (int entry = 0; entry < SettingsBlock::kHistoryEntries; ++entry) {
      QCOMPARE(block.HistoryEntry(history, entry), expected.value(entry));
    }
  }
  QCOMPARE(block.Bytes().left(HistoryAt(0, 0)), image.left(HistoryAt(0, 0)));
}

}  // namespace lumvane

int lumvane::tests::RunSettingsBlockTests(int argc, char** argv) {
  lumvane::TestSettingsBlock test;
  return QTest::qExec(&test, argc, argv);
}

#include "TestSettingsBlock.moc"
