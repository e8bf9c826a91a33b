// The main window's settings glue: "soft.dat" read at start-up with its
// histories handed to the two boxes, and new history entries remembered.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/AppContext.h"
#include "app/ControlIds.h"
#include "app/LumvaneDlg.h"
#include "settings/SettingsImage.h"
#include "support/RecordingPort.h"

namespace lumvane {
namespace {

// The main window's model in a fresh program folder, settings not loaded.
struct Window {
  Window() : app(Options(Folder())), dlg(app, port, Folder()) {}

  QString Folder() const { return dir.path() + u'/'; }
  QString SoftDat() const { return Folder() + u"soft.dat"; }
  static AppContextOptions Options(const QString& folder) {
    AppContextOptions options;
    options.programFolder = folder;
    return options;
  }

  QTemporaryDir dir;
  AppContext app;
  RecordingPort port;
  CLumvaneDlg dlg;
};

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

class TestSettingsGlue : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void firstRunWritesTheFileAndSuggestsNothing();
  void historiesBecomeSuggestions();
  void rememberHistory_data();
  void rememberHistory();
};

void TestSettingsGlue::firstRunWritesTheFileAndSuggestsNothing() {
  Window window;
  window.port.AddCandidate(IDC_ADDRESS, QStringLiteral("stale"));
  window.port.AddCandidate(IDC_SAVE_PATH, QStringLiteral("stale"));
  window.dlg.LoadSettings();
  QCOMPARE(ReadFile(window.SoftDat()), tests::FirstRunImage());
  QVERIFY(window.port.Candidates(IDC_ADDRESS).isEmpty());
  QVERIFY(window.port.Candidates(IDC_SAVE_PATH).isEmpty());
}

void TestSettingsGlue::historiesBecomeSuggestions() {
  Window window;
  QByteArray image(tests::kImageSize, '\0');
  tests::PutText(image, tests::HistoryAt(SettingsBlock::ADDRESS_HISTORY, 0), QStringLiteral("http://www.renren.com/1"));
  tests::PutText(image, tests::HistoryAt(SettingsBlock::ADDRESS_HISTORY, 2),
                 QStringLiteral("http://zhan.renren.com/a"));
  tests::PutText(image, tests::HistoryAt(SettingsBlock::ADDRESS_HISTORY, 4), QStringLiteral("http://www.renren.com/5"));
  tests::PutText(image, tests::HistoryAt(SettingsBlock::PATH_HISTORY, 1), QStringLiteral("/home/夏/图片/"));
  QVERIFY(WriteFile(window.SoftDat(), image));
  window.port.AddCandidate(IDC_ADDRESS, QStringLiteral("stale"));
  window.dlg.LoadSettings();

  QCOMPARE(window.port.Candidates(IDC_ADDRESS),
           (QStringList{"http://www.renren.com/1", "http://zhan.renren.com/a", "http://www.renren.com/5"}));
  QCOMPARE(window.port.Candidates(IDC_SAVE_PATH), QStringList{"/home/夏/图片/"});
}

void TestSettingsGlue::rememberHistory_data() {
  QTest::addColumn<int>("which");
  QTest::addColumn<int>("box");
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("added");
  const int address = SettingsBlock::ADDRESS_HISTORY;
  const int path = SettingsBlock::PATH_HISTORY;
  QTest::newRow("new address") << address << int(IDC_ADDRESS) << QStringLiteral("http://www.renren.com/9") << true;
  QTest::newRow("new save path") << path << int(IDC_SAVE_PATH) << QStringLiteral("/tmp/相册/") << true;
  QTest::newRow("399 characters") << address << int(IDC_ADDRESS) << u"http://" + QString(392, u'x') << true;
  QTest::newRow("400 characters") << address << int(IDC_ADDRESS) << u"http://" + QString(393, u'x') << false;
  QTest::newRow("entry 3 in other letter case")
      << address << int(IDC_ADDRESS) << QStringLiteral("HTTP://WWW.RENREN.COM/LINXIAOXIA") << false;
  QTest::newRow("save path in other letter case")
      << path << int(IDC_SAVE_PATH) << QStringLiteral("/HOME/XIA/") << false;
}

void TestSettingsGlue::rememberHistory() {
  QFETCH(int, which);
  QFETCH(int, box);
  QFETCH(QString, text);
  QFETCH(bool, added);
  Window window;
  window.dlg.LoadSettings();
  for (const char* old : {"http://www.renren.com/linxiaoxia", "http://www.renren.com/2", "http://www.renren.com/3",
                          "http://www.renren.com/4"}) {
    QVERIFY(window.dlg.RememberHistory(SettingsBlock::ADDRESS_HISTORY, IDC_ADDRESS, QString::fromUtf8(old)));
  }
  QVERIFY(window.dlg.RememberHistory(SettingsBlock::PATH_HISTORY, IDC_SAVE_PATH, QStringLiteral("/home/xia/")));
  const QStringList suggested = window.port.Candidates(box);
  const QByteArray saved = ReadFile(window.SoftDat());
  QCOMPARE(saved, window.dlg.Settings.Bytes());

  QCOMPARE(window.dlg.RememberHistory(which, box, text), added);
  QCOMPARE(window.port.Candidates(box), added ? suggested + QStringList{text} : suggested);
  QCOMPARE(window.dlg.Settings.HistoryEntry(which, 0) == text, added);
  QCOMPARE(ReadFile(window.SoftDat()), added ? window.dlg.Settings.Bytes() : saved);
}

}  // namespace lumvane

QTEST_GUILESS_MAIN(lumvane::TestSettingsGlue)
#include "TestSettingsGlue.moc"
