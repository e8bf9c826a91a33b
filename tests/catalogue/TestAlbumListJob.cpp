// The album-list job as the window sees it, over HTTP against the sample
// site: busy and idle states, addresses it refuses, stop requests, and the
// address history.

#include <QFile>
#include <QTest>
#include <optional>

#include "CatalogueTestRunners.h"
#include "app/ControlIds.h"
#include "catalogue/AlbumListJob.h"
#include "catalogue/CatalogueTexts.h"
#include "support/SiteSession.h"

namespace lumvane {
namespace {

constexpr int kAllControls[] = {IDC_SAVE_PATH,   IDC_ADDRESS,      IDC_SOURCE,       IDC_GET_ALBUMS,   IDC_DOWNLOAD,
                                IDC_STATUS2,     IDC_STATUS1,      IDC_ALBUM_GROUP,  IDC_SELECT_ALL,   IDC_NOTICE,
                                IDC_PREVIEW,     IDC_PRAISE_LINK1, IDC_PRAISE_LINK2, IDC_PRAISE_LINK3, IDC_FIND_LINK,
                                IDC_FILTER_LINK, IDC_EXPORT_LINK};
// Disabled while the job runs, enabled after it (the download button only
// when albums were found).
constexpr int kLockedControls[] = {IDC_SOURCE,       IDC_ADDRESS,   IDC_PREVIEW,     IDC_PRAISE_LINK1, IDC_PRAISE_LINK2,
                                   IDC_PRAISE_LINK3, IDC_FIND_LINK, IDC_FILTER_LINK, IDC_EXPORT_LINK};

struct ControlState {
  QString text;
  bool enabled = false;
  bool visible = false;
  bool checked = false;
  bool operator==(const ControlState&) const = default;
};

struct WindowState {
  QHash<int, ControlState> controls;
  quint8 listState = 0;
  bool operator==(const WindowState&) const = default;
};

WindowState Capture(TestSession& session) {
  WindowState state;
  for (int id : kAllControls) {
    state.controls[id] = {session.port.ControlText(id), session.port.IsControlEnabled(id),
                          session.port.IsControlVisible(id), session.port.IsChecked(id)};
  }
  state.listState = session.dlg.ListState;
  return state;
}

// What the user left on the window before pressing the button.
void LeaveTraces(RecordingPort& port) {
  port.SetChecked(IDC_SELECT_ALL, true);
  port.SetControlText(IDC_STATUS2, QStringLiteral("下载完毕"));
  port.ShowControl(IDC_NOTICE, true);
}

QString FinishedStatus(int count) { return u"获取相册列表完成，共" + QString::number(count) + u"个"; }
QString FinishedGroup(int count) { return u"相册列表(共" + QString::number(count) + u"个)"; }

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestAlbumListJob : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void busyWhileListingIdleAfter_data();
  void busyWhileListingIdleAfter();
  void refusedAddresses_data();
  void refusedAddresses();
  void pressBeforeStartupDoesNothing();
  void pressDuringAJobStopsIt_data();
  void pressDuringAJobStopsIt();
  void unreachableVanityPageEndsQuietly();
  void remembersAddressesThatFoundAlbums();
};

void TestAlbumListJob::busyWhileListingIdleAfter_data() {
  QTest::addColumn<QString>("address");
  QTest::addColumn<int>("albums");
  QTest::newRow("albums found") << QStringLiteral("http://www.renren.com/240000003") << 7;
  QTest::newRow("nothing found") << QStringLiteral("http://www.renren.com/wuming") << 0;
}

void TestAlbumListJob::busyWhileListingIdleAfter() {
  QFETCH(QString, address);
  QFETCH(int, albums);
  SiteSession site;
  TestSession& session = *site.session;
  LeaveTraces(session.port);
  std::optional<WindowState> busy;
  site.RecordFetches([&](const QString&, int fetches) {
    if (fetches == 1) busy = Capture(session);
  });
  session.ListAlbums(address);

  QVERIFY(busy);
  QCOMPARE(busy->listState, quint8(LIST_RUNNING));
  QCOMPARE(busy->controls[IDC_GET_ALBUMS].text, QStringLiteral("终止获取"));
  QCOMPARE(busy->controls[IDC_ALBUM_GROUP].text, QStringLiteral("相册列表"));
  QCOMPARE(busy->controls[IDC_STATUS1].text, QStringLiteral("正在获取相册列表，请稍等..."));
  QCOMPARE(busy->controls[IDC_STATUS2].text, QString());
  QVERIFY(!busy->controls[IDC_NOTICE].visible);
  QVERIFY(!busy->controls[IDC_SELECT_ALL].checked);
  QVERIFY(!busy->controls[IDC_DOWNLOAD].enabled);
  QVERIFY(busy->controls[IDC_GET_ALBUMS].enabled);
  for (int id : kLockedControls) QVERIFY2(!busy->controls[id].enabled, qPrintable(QString::number(id)));

  const WindowState idle = Capture(session);
  QCOMPARE(idle.listState, quint8(LIST_IDLE));
  QCOMPARE(session.port.TextHistory(IDC_GET_ALBUMS), (QStringList{"终止获取", "获取相册"}));
  QCOMPARE(session.port.TextHistory(IDC_STATUS1), (QStringList{"正在获取相册列表，请稍等...", FinishedStatus(albums)}));
  QCOMPARE(session.port.TextHistory(IDC_ALBUM_GROUP), (QStringList{"相册列表", FinishedGroup(albums)}));
  QCOMPARE(idle.controls[IDC_DOWNLOAD].enabled, albums > 0);
  for (int id : kLockedControls) QVERIFY2(idle.controls[id].enabled, qPrintable(QString::number(id)));
  QVERIFY(!idle.controls[IDC_NOTICE].visible);
  QVERIFY(!idle.controls[IDC_SELECT_ALL].checked);
  QCOMPARE(session.Rows().size(), albums);
}

// Nothing is fetched and nothing added; only an address at all puts the
// window into its busy state and back.
void TestAlbumListJob::refusedAddresses_data() {
  QTest::addColumn<QString>("address");
  QTest::addColumn<bool>("touchesControls");
  QTest::newRow("empty") << QString() << false;
  QTest::newRow("white space") << QStringLiteral(" \t ") << false;
  QTest::newRow("bare digits") << QStringLiteral("240000001") << true;
  QTest::newRow("no scheme") << QStringLiteral("www.renren.com/linxiaoxia") << true;
  QTest::newRow("another scheme") << QStringLiteral("https://www.renren.com/240000001") << true;
}

void TestAlbumListJob::refusedAddresses() {
  QFETCH(QString, address);
  QFETCH(bool, touchesControls);
  SiteSession site;
  site.RecordFetches();
  TestSession& session = *site.session;
  session.port.SetControlText(IDC_ADDRESS, address);
  const WindowState before = Capture(session);
  OnGetAlbums(session.dlg);
  session.dlg.ListJob.Join();

  QCOMPARE(session.port.MessageTexts(), QStringList{QString::fromUtf16(kNoAddressMessage)});
  QVERIFY(site.FetchedUrls().isEmpty());
  QCOMPARE(session.dlg.Albums.Count(), 0);
  QCOMPARE(session.dlg.ListState, quint8(LIST_IDLE));
  if (!touchesControls) {
    QVERIFY(Capture(session) == before);
    QVERIFY(session.port.TextHistory(IDC_GET_ALBUMS).isEmpty());
    return;
  }
  QCOMPARE(session.port.TextHistory(IDC_GET_ALBUMS), (QStringList{"终止获取", "获取相册"}));
  QCOMPARE(session.port.ControlText(IDC_STATUS1), FinishedStatus(0));
  QVERIFY(session.port.Candidates(IDC_ADDRESS).isEmpty());
}

void TestAlbumListJob::pressBeforeStartupDoesNothing() {
  SiteSession site;
  site.RecordFetches();
  TestSession& session = *site.session;
  session.dlg.StartupDone = 0;
  session.port.SetControlText(IDC_ADDRESS, QStringLiteral("http://www.renren.com/240000001"));
  const WindowState before = Capture(session);
  OnGetAlbums(session.dlg);
  session.dlg.ListJob.Join();

  QVERIFY(Capture(session) == before);
  QVERIFY(site.FetchedUrls().isEmpty());
  QVERIFY(session.port.MessageTexts().isEmpty());
}

// The press comes from the job's own thread right after a page arrived, so
// the reader sees it before it adds the page's first album.
void TestAlbumListJob::pressDuringAJobStopsIt_data() {
  QTest::addColumn<QString>("address");
  QTest::addColumn<int>("pressAfterFetch");
  QTest::addColumn<int>("albums");
  QTest::newRow("v7 list") << QStringLiteral("http://www.renren.com/240000001") << 1 << 1;
  QTest::newRow("classic list, second page") << QStringLiteral("http://www.renren.com/240000002") << 3 << 41;
  QTest::newRow("Zhan, second page of a month") << QStringLiteral("http://zhan.renren.com/guangying") << 4 << 5;
  QTest::newRow("before the classic list") << QStringLiteral("http://www.renren.com/240000002") << 1 << 0;
  QTest::newRow("before the Zhan posts") << QStringLiteral("http://zhan.renren.com/guangying") << 2 << 0;
  QTest::newRow("on the vanity page") << QStringLiteral("http://www.renren.com/linxiaoxia") << 1 << 0;
}

void TestAlbumListJob::pressDuringAJobStopsIt() {
  QFETCH(QString, address);
  QFETCH(int, pressAfterFetch);
  QFETCH(int, albums);
  SiteSession site;
  TestSession& session = *site.session;
  std::optional<WindowState> pressed;
  site.RecordFetches([&](const QString&, int fetches) {
    if (fetches != pressAfterFetch) return;
    OnGetAlbums(session.dlg);
    pressed = Capture(session);
  });
  session.ListAlbums(address);

  QVERIFY(pressed);
  QCOMPARE(pressed->listState, quint8(LIST_STOP_REQUESTED));
  QCOMPARE(pressed->controls[IDC_GET_ALBUMS].text, QStringLiteral("终止获取"));
  QCOMPARE(site.FetchedUrls().size(), pressAfterFetch);
  QCOMPARE(session.dlg.Albums.Count(), albums);
  QCOMPARE(session.Rows().size(), albums);
  QCOMPARE(session.port.ControlText(IDC_STATUS1), FinishedStatus(albums));
  QCOMPARE(session.port.ControlText(IDC_GET_ALBUMS), QStringLiteral("获取相册"));
  QCOMPARE(session.dlg.ListState, quint8(LIST_IDLE));
  // The user asked for the end; nothing went wrong to explain.
  QVERIFY(session.port.MessageTexts().isEmpty());
}

void TestAlbumListJob::unreachableVanityPageEndsQuietly() {
  SiteSession site;
  site.RecordFetches();
  site.site.Stop();
  TestSession& session = *site.session;
  session.ListAlbums(QStringLiteral("http://www.renren.com/linxiaoxia"));
  QCOMPARE(site.FetchedUrls(), QStringList{"http://www.renren.com/linxiaoxia"});
  QVERIFY(session.port.MessageTexts().isEmpty());
  QCOMPARE(session.port.ControlText(IDC_STATUS1), FinishedStatus(0));
  QCOMPARE(session.port.ControlText(IDC_GET_ALBUMS), QStringLiteral("获取相册"));
}

void TestAlbumListJob::remembersAddressesThatFoundAlbums() {
  SiteSession site;
  TestSession& session = *site.session;
  const QString softDat = session.ProgramFolder() + u"soft.dat";
  const QString address = QStringLiteral("http://www.renren.com/240000001");
  session.ListAlbums(u"  " + address + u"\t");
  QCOMPARE(session.dlg.Albums.Count(), 9);
  QCOMPARE(session.dlg.Settings.HistoryEntry(SettingsBlock::ADDRESS_HISTORY, 0), address);
  QCOMPARE(session.port.Candidates(IDC_ADDRESS), QStringList{address});
  const QByteArray saved = ReadFile(softDat);
  QCOMPARE(saved, session.dlg.Settings.Bytes());

  // The same address in other letter case finds the albums again; an
  // address that finds nothing is not remembered.
  const std::pair<QString, int> others[] = {{QStringLiteral("http://WWW.RENREN.COM/240000001"), 9},
                                            {QStringLiteral("http://www.renren.com/wuming"), 0}};
  for (const auto& [other, albums] : others) {
    session.ListAlbums(other);
    QCOMPARE(session.dlg.Albums.Count(), albums);
    QCOMPARE(session.dlg.Settings.HistoryEntry(SettingsBlock::ADDRESS_HISTORY, 1), QString());
    QCOMPARE(session.port.Candidates(IDC_ADDRESS), QStringList{address});
    QCOMPARE(ReadFile(softDat), saved);
  }
}

}  // namespace lumvane

int lumvane::tests::RunAlbumListJobTests(int argc, char** argv) {
  lumvane::TestAlbumListJob test;
  return QTest::qExec(&test, argc, argv);
}

#include "TestAlbumListJob.moc"
