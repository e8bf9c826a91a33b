// Files written beside an album's pictures and the fixes after a download.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "download/DownloadBatch.h"
#include "download/DownloadLists.h"
#include "platform/Clock.h"

namespace lumvane {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestDownloadLists : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void urlListIsGbkWithOneLinePerAddress();
  void markerRoundTrip();
  void formatFixRenamesByContent_data();
  void formatFixRenamesByContent();
  void formatFixNeverReplacesAFile();
  void orderFixStepsBackOneMinute();
};

void TestDownloadLists::urlListIsGbkWithOneLinePerAddress() {
  QTemporaryDir dir;
  DownloadBatch batch;
  batch.Append(QStringLiteral("http://p.example/中文.jpg"), QStringLiteral("a.jpg"), {});
  batch.Append(QStringLiteral("http://p.example/b.jpg\r\nhttp://q.example/b.jpg"), QStringLiteral("b.jpg"), {});
  const QString path = dir.filePath(QStringLiteral("相册.lst"));
  QVERIFY(WriteUrlList(batch, path));
  QCOMPARE(ReadFile(path), QByteArray("http://p.example/\xD6\xD0\xCE\xC4.jpg\r\n"
                                      "http://p.example/b.jpg\r\nhttp://q.example/b.jpg\r\n"));
  QVERIFY(!WriteUrlList(batch, dir.filePath(QStringLiteral("missing/x.lst"))));
}

void TestDownloadLists::markerRoundTrip() {
  QTemporaryDir dir;
  const QString folder = dir.path() + u'/';
  QCOMPARE(ReadDownloadMarker(folder), QString());

  // A marker left by the Windows program carries the plain name.
  const QString windows = QStringLiteral("http://p.example/旧.jpg");
  WriteFile(folder + QStringLiteral("pic.orv"),
            QByteArray(reinterpret_cast<const char*>(windows.utf16()), windows.size() * 2) + QByteArray("\n\0x\0", 4));
  QCOMPARE(ReadDownloadMarker(folder), windows);

  WriteDownloadMarker(QStringLiteral("http://p.example/first.jpg"), folder);
  QVERIFY(QFileInfo::exists(folder + QStringLiteral(".pic.orv")));
  QCOMPARE(ReadDownloadMarker(folder), QStringLiteral("http://p.example/first.jpg"));
  WriteDownloadMarker(QStringLiteral("http://p.example/newer.jpg"), folder);
  QCOMPARE(ReadDownloadMarker(folder), QStringLiteral("http://p.example/newer.jpg"));
  QCOMPARE(ReadFile(folder + QStringLiteral(".pic.orv")).size(), 2 * 26);
}

void TestDownloadLists::formatFixRenamesByContent_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("head");
  QTest::addColumn<QString>("fixed");
  QTest::newRow("PNG saved as jpg") << QStringLiteral("x.jpg") << QByteArray("\x89PNG\r\n\x1a")
                                    << QStringLiteral("x.png");
  QTest::newRow("JPEG saved as png") << QStringLiteral("x.png") << QByteArray("\xFF\xD8\xFF\xE0")
                                     << QStringLiteral("x.jpg");
  QTest::newRow("GIF") << QStringLiteral("x.jpg") << QByteArray("GIF89a") << QStringLiteral("x.gif");
  QTest::newRow("BMP") << QStringLiteral("x.jpg") << QByteArray("BMxx") << QStringLiteral("x.bmp");
  QTest::newRow("TGA") << QStringLiteral("x.jpg") << QByteArray("\0\0\x02\0\0", 5) << QStringLiteral("x.tga");
  QTest::newRow("ICO") << QStringLiteral("x.jpg") << QByteArray("\0\0\x01\0\x01", 5) << QStringLiteral("x.ico");
  QTest::newRow("TIFF") << QStringLiteral("x.jpg") << QByteArray("II*\0", 4) << QStringLiteral("x.tiff");
  QTest::newRow("unknown bytes keep the name")
      << QStringLiteral("x.jpg") << QByteArray("RIFF") << QStringLiteral("x.jpg");
  QTest::newRow("short file") << QStringLiteral("x.jpg") << QByteArray("\xFF") << QStringLiteral("x.jpg");
  QTest::newRow("already right") << QStringLiteral("x.jpg") << QByteArray("\xFF\xD8") << QStringLiteral("x.jpg");
}

void TestDownloadLists::formatFixRenamesByContent() {
  QFETCH(QString, name);
  QFETCH(QByteArray, head);
  QFETCH(QString, fixed);
  QTemporaryDir dir;
  // A dot in the folder's name is no extension of the picture.
  const QString folder = dir.path() + QStringLiteral("/my.album/");
  QVERIFY(QDir().mkpath(folder));
  WriteFile(folder + name, head);
  DownloadBatch batch;
  batch.folder = folder;
  batch.Append(QStringLiteral("http://p.example/1"), name, {});
  batch.Append(QStringLiteral("http://p.example/2"), QStringLiteral("missing.jpg"), {});
  FixPictureFormats(batch);
  QCOMPARE(batch.Names(), (QStringList{fixed, QStringLiteral("missing.jpg")}));
  QCOMPARE(ReadFile(folder + fixed), head);
  QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{fixed});
}

void TestDownloadLists::formatFixNeverReplacesAFile() {
  QTemporaryDir dir;
  const QString folder = dir.path() + u'/';
  WriteFile(folder + QStringLiteral("x.jpg"), QByteArray("\x89PNG...."));
  WriteFile(folder + QStringLiteral("x.png"), QByteArray("another picture"));
  DownloadBatch batch;
  batch.folder = folder;
  batch.Append(QStringLiteral("http://p.example/1"), QStringLiteral("x.jpg"), {});
  FixPictureFormats(batch);
  QCOMPARE(batch.Names(), QStringList{"x.jpg"});
  QCOMPARE(ReadFile(folder + QStringLiteral("x.png")), QByteArray("another picture"));
  QCOMPARE(ReadFile(folder + QStringLiteral("x.jpg")), QByteArray("\x89PNG...."));
}

void TestDownloadLists::orderFixStepsBackOneMinute() {
  QTemporaryDir dir;
  DownloadBatch batch;
  batch.folder = dir.path() + u'/';
  for (const QString& name : {QStringLiteral("c.jpg"), QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}) {
    WriteFile(batch.folder + name, "x");
    batch.Append(QStringLiteral("http://p.example/") + name, name, {});
  }
  const QDateTime now = QDateTime::fromString(QStringLiteral("2026-12-11T10:00:00Z"), Qt::ISODate);
  ScopedClockOverride pinned(now);
  FixPictureOrder(batch);
  for (int i = 0; i < batch.Count(); ++i) {
    const QFileInfo info(batch.folder + batch.Names()[i]);
    QCOMPARE(info.lastModified().toUTC(), now.addSecs(-60 * i));
  }
}

}  // namespace lumvane

QTEST_GUILESS_MAIN(lumvane::TestDownloadLists)
#include "TestDownloadLists.moc"
