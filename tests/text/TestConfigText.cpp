#include <QTest>

#include "TextTestRunners.h"
#include "text/ConfigText.h"

namespace lumvane {

class TestConfigText : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void bitsToHex_data();
  void bitsToHex();
  void hexToBits_data();
  void hexToBits();
  void randomTextFormat();
};

void TestConfigText::bitsToHex_data() {
  QTest::addColumn<QString>("bits");
  QTest::addColumn<QString>("hex");

  QTest::newRow("two groups") << "00011111"
                              << "1F";
  QTest::newRow("letters upper-cased") << "101011001111"
                                       << "ACF";
  QTest::newRow("short last group") << "11111"
                                    << "F1";
  QTest::newRow("empty") << ""
                         << "";
}

void TestConfigText::bitsToHex() {
  QFETCH(QString, bits);
  QTEST(BitsToHex(bits), "hex");
}

void TestConfigText::hexToBits_data() {
  QTest::addColumn<QString>("hex");
  QTest::addColumn<QString>("bits");

  QTest::newRow("padded to four") << "1F"
                                  << "00011111";
  QTest::newRow("lower case") << "ac"
                              << "10101100";
  QTest::newRow("not a digit") << "G1"
                               << "00000001";
  QTest::newRow("empty") << ""
                         << "";
}

void TestConfigText::hexToBits() {
  QFETCH(QString, hex);
  QTEST(HexToBits(hex), "bits");
}

void TestConfigText::randomTextFormat() {
  const QString text = RandomText();
  QVERIFY2(text.endsWith(u'\n'), qPrintable(text));
  const QString number = text.chopped(1);
  QCOMPARE(number.size() - number.indexOf(u'.') - 1, 16);
  bool ok = false;
  const double value = number.toDouble(&ok);
  QVERIFY(ok);
  QVERIFY(value >= 0.0 && value <= 1.0);
}

}  // namespace lumvane

int lumvane::tests::RunConfigTextTests(int argc, char** argv) {
  lumvane::TestConfigText test;
  return QTest::qExec(&test, argc, argv);
}

#include "TestConfigText.moc"
