#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "SettingsImage.h"
#include "SettingsTestRunners.h"
#include "settings/SettingsFile.h"

namespace lumvane {

using namespace tests;

namespace {

QString Folder(const QTemporaryDir& dir) { return dir.path() + u'/'; }
QString SoftDat(const QTemporaryDir& dir) { return dir.filePath(QStringLiteral("soft.dat")); }

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every byte set, with download parameters that need no repair: thread count
// 7, time-out 40, minimum size 3.
QByteArray BusyImage() {
  QByteArray image(kImageSize, '\0');
  QRandomGenerator random(1437);
  for (char& byte : image) byte = static_cast<char>(random.bounded(1, 256));
  for (int kind = 0; kind < 24; ++kind) {
    PutU16(image, ParamsAt(kind), 3);
    PutU16(image, ParamsAt(kind) + 2, 0);
    PutU16(image, ParamsAt(kind) + 4, 7);
    PutU16(image, ParamsAt(kind) + 6, 40);
  }
  return image;
}

}  // namespace

class TestSettingsFile : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void missingFileGivesFirstRunFile();
  void outOfRangeParamsAreRepairedAndWrittenBack_data();
  void outOfRangeParamsAreRepairedAndWrittenBack();
  void shortFileIsReadAsFarAsItGoes_data();
  void shortFileIsReadAsFarAsItGoes();
  void longerFileIsCutToTheBlock();
  void roundTripKeepsEveryByte();
  void saveLeavesNoTemporaryFile();
  void unreadableFileGivesFirstRunValues();
};

void TestSettingsFile::missingFileGivesFirstRunFile() {
  QTemporaryDir dir;
  SettingsBlock block;
  block.SetOptions(0, 0xFFFF);  // stale contents must not survive the load
  LoadSettingsFile(Folder(dir), block);
  const QByteArray expected = FirstRunImage();
  QCOMPARE(ReadAll(SoftDat(dir)), expected);
  QCOMPARE(block.Bytes(), expected);
}

void TestSettingsFile::outOfRangeParamsAreRepairedAndWrittenBack_data() {
  QTest::addColumn<quint16>("threadCount");
  QTest::addColumn<quint16>("timeoutSec");
  QTest::addColumn<quint16>("repairedThreads");
  QTest::addColumn<quint16>("repairedTimeout");

  QTest::newRow("20 threads, 9 seconds") << quint16(20) << quint16(9) << quint16(5) << quint16(30);
  QTest::newRow("0 threads, 0 seconds") << quint16(0) << quint16(0) << quint16(5) << quint16(30);
  QTest::newRow("16 threads") << quint16(16) << quint16(10) << quint16(5) << quint16(10);
  QTest::newRow("limits kept") << quint16(1) << quint16(10) << quint16(1) << quint16(10);
  QTest::newRow("15 threads, long time-out") << quint16(15) << quint16(65535) << quint16(15) << quint16(65535);
  QTest::newRow("65535 threads") << quint16(65535) << quint16(30) << quint16(5) << quint16(30);
}

void TestSettingsFile::outOfRangeParamsAreRepairedAndWrittenBack() {
  QFETCH(quint16, threadCount);
  QFETCH(quint16, timeoutSec);
  QFETCH(quint16, repairedThreads);
  QFETCH(quint16, repairedTimeout);
  QTemporaryDir dir;
  QByteArray image = BusyImage();
  PutU16(image, ParamsAt(11) + 4, threadCount);
  PutU16(image, ParamsAt(11) + 6, timeoutSec);
  QVERIFY(WriteAll(SoftDat(dir), image));

  SettingsBlock block;
  LoadSettingsFile(Folder(dir), block);
  QCOMPARE(block.Params(11).threadCount, repairedThreads);
  QCOMPARE(block.Params(11).timeoutSec, repairedTimeout);
  QByteArray expected = image;  // nothing else changes: no first-run defaults
  PutU16(expected, ParamsAt(11) + 4, repairedThreads);
  PutU16(expected, ParamsAt(11) + 6, repairedTimeout);
  QCOMPARE(block.Bytes(), expected);
  QCOMPARE(ReadAll(SoftDat(dir)), expected);
}

void TestSettingsFile::shortFileIsReadAsFarAsItGoes_data() {
  QTest::addColumn<int>("length");
  QTest::newRow("empty file") << 0;
  QTest::newRow("inside the first record") << 5;
  QTest::newRow("inside the download parameters") << 100;
  QTest::newRow("inside the naming rules") << 3000;
  QTest::newRow("histories missing") << 11808;
  QTest::newRow("one byte short") << kImageSize - 1;
}

// The bytes in the file are kept, the rest is zero, and only thread counts and
// time-outs that came out zero are repaired: no first-run defaults.
void TestSettingsFile::shortFileIsReadAsFarAsItGoes() {
  QFETCH(int, length);
  QTemporaryDir dir;
  const QByteArray image = BusyImage();
  QVERIFY(WriteAll(SoftDat(dir), image.left(length)));

  SettingsBlock block;
  LoadSettingsFile(Folder(dir), block);
  for (int kind = 0; kind < 24; ++kind) {
    const DownloadParams params = block.Params(kind);
    QCOMPARE(params.minSizeK, ParamsAt(kind) < length ? 3 : 0);
    QCOMPARE(params.threadCount, ParamsAt(kind) + 4 < length ? 7 : 5);
    QCOMPARE(params.timeoutSec, ParamsAt(kind) + 6 < length ? 40 : 30);
  }
  const int rulesAt = RuleAt(0);
  const int kept = qMax(length, rulesAt);
  QCOMPARE(block.Bytes().mid(rulesAt, kept - rulesAt), image.mid(rulesAt, kept - rulesAt));
  QCOMPARE(block.Bytes().mid(kept), QByteArray(kImageSize - kept, '\0'));
  QCOMPARE(ReadAll(SoftDat(dir)), block.Bytes());
}

void TestSettingsFile::longerFileIsCutToTheBlock() {
  QTemporaryDir dir;
  const QByteArray image = BusyImage();
  QVERIFY(WriteAll(SoftDat(dir), image + QByteArray(200, 'x')));
  SettingsBlock block;
  LoadSettingsFile(Folder(dir), block);
  QCOMPARE(block.Bytes(), image);
  QCOMPARE(ReadAll(SoftDat(dir)), image);
}

void TestSettingsFile::roundTripKeepsEveryByte() {
  QTemporaryDir dir;
  QByteArray image = BusyImage();
  PutText(image, RuleAt(3), QStringLiteral("pre"));  // followed by units without meaning
  PutText(image, HistoryAt(1, 0), QStringLiteral("/home/a/"));
  QVERIFY(WriteAll(SoftDat(dir), image));

  SettingsBlock block;
  LoadSettingsFile(Folder(dir), block);
  QCOMPARE(ReadAll(SoftDat(dir)), image);

  block.SetOptions(3, OPT_FIX_FORMAT);
  QVERIFY(SaveSettingsFile(Folder(dir), block));
  PutU16(image, RuleAt(3) + 480, OPT_FIX_FORMAT);
  QCOMPARE(ReadAll(SoftDat(dir)), image);
}

void TestSettingsFile::saveLeavesNoTemporaryFile() {
  QTemporaryDir dir;
  SettingsBlock block;
  QVERIFY(SaveSettingsFile(Folder(dir), block));
  QVERIFY(SaveSettingsFile(Folder(dir), block));
  QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"soft.dat"});
  QCOMPARE(ReadAll(SoftDat(dir)).size(), kImageSize);
  QVERIFY(!SaveSettingsFile(dir.filePath(QStringLiteral("missing/")), block));
}

// "soft.dat" as a folder stands for a file that exists but cannot be read.
void TestSettingsFile::unreadableFileGivesFirstRunValues() {
  QTemporaryDir dir;
  QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("soft.dat")));
  SettingsBlock block;
  LoadSettingsFile(Folder(dir), block);
  QCOMPARE(block.Bytes(), FirstRunImage());
  QVERIFY(QFileInfo(SoftDat(dir)).isDir());
}

}  // namespace lumvane

int lumvane::tests::RunSettingsFileTests(int argc, char** argv) {
  lumvane::TestSettingsFile test;
  return QTest::qExec(&test, argc, argv);
}

#include "TestSettingsFile.moc"
