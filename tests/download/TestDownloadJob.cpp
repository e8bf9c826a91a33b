// The download job end to end against the sample site: the window while it
// runs and after, a save path it cannot use, the size limit and the fixes
// on real pictures, address lists instead of pictures, and the marker that
// lets a later download stop where the last one began.

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTest>

#include "DownloadJobRig.h"
#include "app/ControlIds.h"
#include "download/DownloadLists.h"
#include "samplesite/DemoRenrenUsers.h"

namespace lumvane {
namespace {

const QString kLinXiaoxia = QStringLiteral("http://www.renren.com/linxiaoxia");

constexpr int kControlsOfRunningLook[] = {IDC_SOURCE,    IDC_GET_ALBUMS,   IDC_CHOOSE_FOLDER, IDC_ADDRESS,
                                          IDC_SAVE_PATH, IDC_PRAISE_LINK1, IDC_PRAISE_LINK2,  IDC_PRAISE_LINK3};

// The texts a control was given after the first `skip` ones.
QStringList TextsAfter(RecordingPort& port, int id, qsizetype skip) { return port.TextHistory(id).mid(skip); }

// True when `expected` appears in `texts` in this order, gaps allowed.
bool InOrder(const QStringList& texts, const QStringList& expected) {
  qsizetype at = 0;
  for (const QString& text : texts) {
    if (at < expected.size() && text == expected[at]) ++at;
  }
  return at == expected.size();
}

}  // namespace

class TestDownloadJob : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void windowFollowsTheJob();
  void folderOpensOnlyAfterPictures_data();
  void folderOpensOnlyAfterPictures();
  void unusableSetUpEndsTheJob_data();
  void unusableSetUpEndsTheJob();
  void sizeLimitAndFixes_data();
  void sizeLimitAndFixes();
  void listOnlyWritesAddressLists();
  void skipOldStopsAtTheMarker();
  void manyAlbumsLoseNoPicture();
};

void TestDownloadJob::windowFollowsTheJob() {
  DownloadJobRig rig;
  RecordingPort& port = rig.Session().port;
  rig.List(kLinXiaoxia, {2, 9});
  const qsizetype status1 = port.TextHistory(IDC_STATUS1).size();
  const qsizetype status2 = port.TextHistory(IDC_STATUS2).size();
  // The window as the job sees it whenever it reads a page.
  QStringList buttons;
  QList<bool> enabled;
  rig.RecordFetches([&](const QString&, int) {
    buttons.append(port.ControlText(IDC_DOWNLOAD));
    for (int id : kControlsOfRunningLook) enabled.append(port.IsControlEnabled(id));
  });
  rig.Download();

  QVERIFY(!buttons.isEmpty());
  QCOMPARE(buttons, QStringList(buttons.size(), QStringLiteral("终止下载")));
  QVERIFY(!enabled.contains(true));
  QCOMPARE(port.ControlText(IDC_DOWNLOAD), QStringLiteral("下载"));
  for (int id : kControlsOfRunningLook) QVERIFY(port.IsControlEnabled(id));
  QCOMPARE(rig.Session().dlg.DownloadState.load(), quint8(DOWNLOAD_IDLE));
  QCOMPARE(TextsAfter(port, IDC_STATUS1, status1),
           (QStringList{"正在下载第1/2个图集", "正在下载第2/2个图集", "下载完毕"}));
  const QStringList progress = TextsAfter(port, IDC_STATUS2, status2);
  QVERIFY2(InOrder(progress, {"......", "已获取到1张图片信息", "已获取到3张图片信息", "已开始下载图片",
                              "已下载3/3......", "......", "已获取到7张图片信息", "已开始下载图片", "已下载7/7......"}),
           qPrintable(progress.join(u'|')));
  QCOMPARE(progress.last(), QString());
  QVERIFY(port.Messages().isEmpty());
}

void TestDownloadJob::folderOpensOnlyAfterPictures_data() {
  QTest::addColumn<std::vector<int>>("rows");
  QTest::addColumn<int>("options");
  QTest::addColumn<int>("total");
  QTest::addColumn<QStringList>("opened");  // below the save folder
  QTest::newRow("the last album's folder")
      << std::vector<int>{2, 9} << int(OPT_OPEN_FOLDER) << 10 << QStringList{"林小夏/大小与格式/"};
  QTest::newRow("the last album had nothing: the save folder")
      << std::vector<int>{2, 8} << int(OPT_OPEN_FOLDER) << 3 << QStringList{"林小夏/"};
  QTest::newRow("nothing collected") << std::vector<int>{8} << int(OPT_OPEN_FOLDER) << 0 << QStringList{};
  QTest::newRow("not asked for") << std::vector<int>{2} << 0 << 3 << QStringList{};
}

void TestDownloadJob::folderOpensOnlyAfterPictures() {
  QFETCH(std::vector<int>, rows);
  QFETCH(int, options);
  QFETCH(int, total);
  QFETCH(QStringList, opened);
  DownloadJobRig rig;
  rig.SetOptions(static_cast<quint16>(options));
  rig.List(kLinXiaoxia, rows);
  rig.Download();
  QCOMPARE(rig.Session().dlg.Download.total, total);
  for (QString& folder : opened) folder.prepend(rig.SaveFolder());
  QCOMPARE(rig.Session().port.Opened(), opened);
  // The album no reader finds gets no folder.
  QVERIFY(!QFileInfo::exists(rig.SaveFolder() + QStringLiteral("林小夏/已删除的相册")));
  QCOMPARE(rig.Session().port.TextHistory(IDC_STATUS1).last(), QStringLiteral("下载完毕"));
}

void TestDownloadJob::unusableSetUpEndsTheJob_data() {
  QTest::addColumn<QString>("path");  // %1: a folder holding the file "file"
  QTest::addColumn<bool>("tick");
  QTest::addColumn<QStringList>("messages");
  QTest::addColumn<QStringList>("buttonTexts");
  QTest::addColumn<QStringList>("status1");
  QTest::newRow("empty save path") << QStringLiteral("  ") << true << QStringList{"请先设置保存路径"} << QStringList{}
                                   << QStringList{};
  QTest::newRow("save path blocked by a file")
      << QStringLiteral("%1/file/pictures") << true << QStringList{"%1/file", "请检测设置的保存路径是否有误"}
      << QStringList{} << QStringList{};
  QTest::newRow("no album ticked") << QStringLiteral("%1/pictures") << false
                                   << QStringList{"请先在相册列表中选中要下载的相册（点击相册所在的行）"}
                                   << QStringList{"终止下载", "下载"} << QStringList{"下载完毕"};
}

void TestDownloadJob::unusableSetUpEndsTheJob() {
  QFETCH(QString, path);
  QFETCH(bool, tick);
  QFETCH(QStringList, messages);
  QFETCH(QStringList, buttonTexts);
  QFETCH(QStringList, status1);
  QTemporaryDir root;
  QFile file(root.filePath(QStringLiteral("file")));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.close();
  DownloadJobRig rig;
  TestSession& session = rig.Session();
  session.ListAlbums(kLinXiaoxia);
  if (tick) session.TickRows();
  const qsizetype statusTexts = session.port.TextHistory(IDC_STATUS1).size();
  session.Download(QString(path).replace(QStringLiteral("%1"), root.path()));

  for (QString& message : messages) message.replace(QStringLiteral("%1"), root.path());
  QCOMPARE(session.port.MessageTexts(), messages);
  QCOMPARE(session.port.TextHistory(IDC_DOWNLOAD), buttonTexts);
  QCOMPARE(TextsAfter(session.port, IDC_STATUS1, statusTexts), status1);
  QCOMPARE(session.dlg.DownloadState.load(), quint8(DOWNLOAD_IDLE));
  for (int id : kControlsOfRunningLook) QVERIFY(session.port.IsControlEnabled(id));
  QCOMPARE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
           tick ? QStringList{"file"} : (QStringList{"file", "pictures"}));
}

void TestDownloadJob::sizeLimitAndFixes_data() {
  QTest::addColumn<int>("minKb");
  QTest::addColumn<int>("options");
  QTest::addColumn<QStringList>("files");  // per picture of the album; empty: not saved
  // The album holds a GIF, a PNG and a JPEG under 1 KB, a PNG and a GIF at
  // ".jpg" addresses, and two large pictures (JPEG, PNG).
  QTest::newRow("pictures under the minimum are left out")
      << 1 << 0 << QStringList{"", "", "", "4.jpg", "5.jpg", "6.jpg", "7.jpg"};
  QTest::newRow("format fix") << 0 << int(OPT_FIX_FORMAT)
                              << QStringList{"1.gif", "2.png", "3.jpg", "4.png", "5.gif", "6.jpg", "7.png"};
  QTest::newRow("order fix after the format fix")
      << 1 << int(OPT_FIX_FORMAT | OPT_FIX_ORDER) << QStringList{"", "", "", "4.png", "5.gif", "6.jpg", "7.png"};
}

void TestDownloadJob::sizeLimitAndFixes() {
  QFETCH(int, minKb);
  QFETCH(int, options);
  QFETCH(QStringList, files);
  DownloadJobRig rig;
  rig.SetOptions(static_cast<quint16>(options));
  rig.SetParams(5, minKb);
  rig.List(kLinXiaoxia, {9});
  const QDateTime started = QDateTime::currentDateTimeUtc();
  rig.Download();

  const SampleAlbum& album = rig.Album(kV7UserId, 1100000109);
  const QString folder = rig.SaveFolder() + QStringLiteral("林小夏/大小与格式/");
  QStringList saved;
  for (int i = 0; i < files.size(); ++i) {
    if (files[i].isEmpty()) continue;
    saved.append(files[i]);
    QVERIFY2(rig.SavedFile(u"林小夏/大小与格式/" + files[i]) == rig.Bytes(album.pictures[static_cast<size_t>(i)]),
             qPrintable(files[i]));
  }
  saved.sort();
  QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), saved);
  QVERIFY(rig.Session().port.TextHistory(IDC_STATUS2).contains(QStringLiteral("已下载7/7......")));

  if (!(options & OPT_FIX_ORDER)) return;
  // The album's n-th picture is n minutes older than its first.
  for (int i = 0; i < files.size(); ++i) {
    if (files[i].isEmpty()) continue;
    const QDateTime time = QFileInfo(folder + files[i]).lastModified().toUTC();
    QVERIFY2(qAbs(time.secsTo(started.addSecs(-60 * i))) < 120, qPrintable(files[i]));
    QCOMPARE(QFileInfo(folder + files.last()).lastModified().toUTC().secsTo(time), 60 * (files.size() - 1 - i));
  }
}

void TestDownloadJob::listOnlyWritesAddressLists() {
  DownloadJobRig rig;
  rig.SetOptions(OPT_LIST_ONLY);
  rig.List(kLinXiaoxia, {1, 2});
  rig.Download();
  QStringList tree = {"林小夏", "林小夏/旅行", "林小夏/旅行/旅行.lst", "林小夏/旅行 (1)",
                      "林小夏/旅行 (1)/旅行 (1).lst"};
  tree.sort();
  QCOMPARE(rig.SavedTree(), tree);
  const std::pair<quint64, QString> lists[] = {{1100000101, QStringLiteral("林小夏/旅行/旅行.lst")},
                                               {1100000102, QStringLiteral("林小夏/旅行 (1)/旅行 (1).lst")}};
  for (const auto& [albumId, list] : lists) {
    QByteArray lines;
    for (const SamplePicture& picture : rig.Album(kV7UserId, albumId).pictures)
      lines += picture.Url().toLatin1() + "\r\n";
    QCOMPARE(rig.SavedFile(list), lines);
  }
  QVERIFY(!rig.Session().port.TextHistory(IDC_STATUS2).contains(QStringLiteral("已开始下载图片")));
  QCOMPARE(rig.Session().dlg.Download.total, 48);
}

void TestDownloadJob::skipOldStopsAtTheMarker() {
  DownloadJobRig rig;
  rig.SetOptions(OPT_SKIP_OLD);
  const SampleAlbum& album = rig.Album(kV7UserId, 1100000102);
  const QString folder = rig.SaveFolder() + QStringLiteral("林小夏/旅行 (1)/");
  const DownloadBatch& batch = rig.Session().app.batch;
  rig.List(kLinXiaoxia, {2});
  rig.Download();
  QCOMPARE(batch.Count(), 3);
  QCOMPARE(ReadDownloadMarker(folder), album.pictures[0].Url());
  const QStringList tree = rig.SavedTree();

  // Nothing new in the album: nothing is collected, nothing changes.
  rig.List(kLinXiaoxia, {2});
  rig.Download();
  QCOMPARE(batch.Count(), 0);
  QCOMPARE(rig.Session().dlg.Download.total, 0);
  QCOMPARE(rig.SavedTree(), tree);
  QCOMPARE(ReadDownloadMarker(folder), album.pictures[0].Url());

  // The last download began at the second picture: only the first is new,
  // and the marker moves to it.
  WriteDownloadMarker(album.pictures[1].Url(), folder);
  rig.List(kLinXiaoxia, {2});
  rig.Download();
  QCOMPARE(batch.Urls(), QStringList{album.pictures[0].Url()});
  QCOMPARE(batch.Names(), QStringList{"1.jpg"});
  QCOMPARE(rig.SavedTree(), tree);
  QCOMPARE(ReadDownloadMarker(folder), album.pictures[0].Url());
}

// Many small albums fetched by many threads at once: every picture arrives.
void TestDownloadJob::manyAlbumsLoseNoPicture() {
  SampleSiteOptions options;
  options.demoContent = false;
  constexpr int kAlbums = 40;
  constexpr int kPictures = 15;
  for (int i = 1; i <= kAlbums; ++i)
    options.syntheticAlbums.push_back({u"相册 " + QString::number(i), kPictures, 3000});
  DownloadJobRig rig(BuildSampleSiteContent(options));
  rig.SetParams(kPictures);
  rig.List(QStringLiteral("http://www.renren.com/jizhun"));
  rig.Download();
  const SampleUser& user = rig.User(kSyntheticUserId);
  QCOMPARE(user.albums.size(), size_t(kAlbums));
  for (const SampleAlbum& album : user.albums) {
    for (int i = 0; i < kPictures; ++i) {
      const QString name = u"基准用户/" + album.name + u'/' + QString::number(i + 1) + u".jpg";
      QVERIFY2(rig.SavedFile(name) == rig.Bytes(album.pictures[static_cast<size_t>(i)]), qPrintable(name));
    }
  }
}

}  // namespace lumvane

QTEST_GUILESS_MAIN(lumvane::TestDownloadJob)
#include "TestDownloadJob.moc"
