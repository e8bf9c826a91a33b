// The download job while pictures are slow to arrive: a stop while the
// engine runs, and pictures that never show under their name half done.

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <thread>

#include "DownloadJobRig.h"
#include "app/ControlIds.h"
#include "catalogue/AlbumListJob.h"
#include "catalogue/AlbumTableRows.h"
#include "download/DownloadJob.h"
#include "samplesite/DemoRenrenUsers.h"
#include "samplesite/SampleHosts.h"
#include "table/MyGridCtrl.h"

namespace lumvane {
namespace {

const QString kLinXiaoxia = QStringLiteral("http://www.renren.com/linxiaoxia");

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A window on which "下载" is pressed again just as the status line says
// that the pictures' download begins.
class StopAtEngineStartPort : public RecordingPort {
 public:
  std::function<void()> press;

 protected:
  void OnTextChanged(int id, const QString& text) override {
    RecordingPort::OnTextChanged(id, text);
    if (id == IDC_STATUS2 && text == u"已开始下载图片" && press) press();
  }
};

}  // namespace

class TestDownloadJobTiming : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void stopWhileTheEngineRuns();
  void stopAsTheEngineStarts();
  void noPictureUnderItsNameBeforeItIsComplete();
};

void TestDownloadJobTiming::stopWhileTheEngineRuns() {
  DownloadJobRig rig;
  const SampleAlbum& album = rig.Album(kV7UserId, 1100000101);
  rig.ScriptPictureHost(kPictureHost, album.pictures, [](FixtureScript& script, int) {
    script.chunkSize = 8192;
    script.chunkPauseMs = 100;
  });
  rig.SetParams(2);
  rig.List(kLinXiaoxia, {1, 3});
  TestSession& session = rig.Session();
  const qsizetype statusTexts = session.port.TextHistory(IDC_STATUS1).size();
  rig.RecordFetches();
  // "下载" pressed again once two pictures are on their way.
  std::thread stopper([&] {
    if (rig.pictures.WaitForRequests(2, 20000)) OnDownload(session.dlg);
  });
  rig.Download();
  stopper.join();

  QCOMPARE(session.dlg.DownloadState.load(), quint8(DOWNLOAD_IDLE));
  QCOMPARE(session.port.ControlText(IDC_DOWNLOAD), QStringLiteral("下载"));
  QCOMPARE(session.port.TextHistory(IDC_STATUS1).mid(statusTexts), (QStringList{"正在下载第1/2个图集", "下载完毕"}));
  const QString page =
      QStringLiteral("http://photo.renren.com/photo/240000001/album-1100000101/bypage/ajax/v7?page=%1&pageSize=40");
  QCOMPARE(rig.FetchedUrls(), (QStringList{page.arg(1), page.arg(2), page.arg(3)}));

  // The two running pictures finish; no other starts, and no marker says
  // the album was done.
  const QString folder = rig.SaveFolder() + QStringLiteral("林小夏/旅行/");
  QTRY_COMPARE_WITH_TIMEOUT(ReadAll(folder + QStringLiteral("1.jpg")), rig.Bytes(album.pictures[0]), 20000);
  QTRY_COMPARE_WITH_TIMEOUT(ReadAll(folder + QStringLiteral("2.jpg")), rig.Bytes(album.pictures[1]), 20000);
  QTest::qWait(500);
  QCOMPARE(rig.pictures.Requests().size(), 2);
  QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name), (QStringList{"1.jpg", "2.jpg"}));
}

void TestDownloadJobTiming::stopAsTheEngineStarts() {
  DownloadJobRig rig;
  const SampleAlbum& album = rig.Album(kV7UserId, 1100000101);
  rig.ScriptPictureHost(kPictureHost, album.pictures);
  StopAtEngineStartPort port;
  CLumvaneDlg dlg(rig.Session().app, port, rig.Session().ProgramFolder());
  dlg.LoadSettings();
  ResetAlbumTable(dlg);
  dlg.StartupDone = 1;
  port.SetControlText(IDC_ADDRESS, kLinXiaoxia);
  OnGetAlbums(dlg);
  dlg.ListJob.Join();
  port.WithTable([](CMyGridCtrl& table) { table.SelectAllCells(); });
  port.press = [&] { OnDownload(dlg); };
  port.SetControlText(IDC_SAVE_PATH, rig.SaveFolder());
  OnDownload(dlg);
  dlg.DownloadJob.Join();

  QCOMPARE(dlg.DownloadState.load(), quint8(DOWNLOAD_IDLE));
  QCOMPARE(port.TextHistory(IDC_STATUS1).last(), QStringLiteral("下载完毕"));
  QTest::qWait(500);
  QCOMPARE(rig.pictures.Requests().size(), 0);
  QCOMPARE(rig.SavedTree(), (QStringList{"林小夏", "林小夏/旅行"}));
}

void TestDownloadJobTiming::noPictureUnderItsNameBeforeItIsComplete() {
  DownloadJobRig rig;
  const SampleAlbum& album = rig.Album(kV7UserId, 1100000102);
  rig.ScriptPictureHost(kSecondPictureHost, album.pictures, [](FixtureScript& script, int index) {
    if (index > 0) return;
    script.chunkSize = 8192;
    script.chunkPauseMs = 150;
  });
  rig.List(kLinXiaoxia, {2});
  TestSession& session = rig.Session();
  session.port.SetControlText(IDC_SAVE_PATH, rig.SaveFolder());
  OnDownload(session.dlg);

  const QString folder = rig.SaveFolder() + QStringLiteral("林小夏/旅行 (1)/");
  const QByteArray first = rig.Bytes(album.pictures[0]);
  // Part of the first picture is on disk, and not under its name.
  const auto partOnDisk = [&] {
    if (QFileInfo::exists(folder + QStringLiteral("1.jpg"))) return false;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
      const QByteArray bytes = ReadAll(info.filePath());
      if (!bytes.isEmpty() && bytes.size() < first.size() && first.startsWith(bytes)) return true;
    }
    return false;
  };
  QTRY_VERIFY_WITH_TIMEOUT(partOnDisk(), 10000);
  session.dlg.DownloadJob.Join();

  QCOMPARE(ReadAll(folder + QStringLiteral("1.jpg")), first);
  QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name),
           (QStringList{".pic.orv", "1.jpg", "2.jpg", "3.jpg"}));
}

}  // namespace lumvane

QTEST_GUILESS_MAIN(lumvane::TestDownloadJobTiming)
#include "TestDownloadJobTiming.moc"
