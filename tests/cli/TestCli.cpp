// lumvane-cli as a user runs it: a separate process in a folder of its own,
// against the sample site (or a small scripted page) under the real host
// names. What it prints, the files it writes, its exit status.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include "CliRun.h"
#include "samplesite/SampleContentBuilder.h"
#include "samplesite/SampleSite.h"
#include "support/FixtureServer.h"

namespace lumvane {
namespace {

const QString kLinXiaoxia = QStringLiteral("http://www.renren.com/linxiaoxia");

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The files below `folder` that a listing shows, as sorted relative paths.
QStringList VisibleFiles(const QString& folder) {
  QStringList files;
  QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) files.append(QDir(folder).relativeFilePath(it.next()));
  files.sort();
  return files;
}

}  // namespace

class TestCli : public QObject {
  Q_OBJECT

 public:
  TestCli() : site_(BuildSampleSiteContent()) {}

 private:
  QStringList Site() const { return ConnectToArgs(site_.Port()); }

  SampleSite site_;

 private Q_SLOTS:
  void initTestCase() { QVERIFY(site_.Start()); }
  void listPrintsTheVisibleColumns_data();
  void listPrintsTheVisibleColumns();
  void csvIsGbkWithFencedCommas_data();
  void csvIsGbkWithFencedCommas();
  void downloadFlagsHoldForOneRun_data();
  void downloadFlagsHoldForOneRun();
  void skipOldFindsNothingNew();
  void usageErrors_data();
  void usageErrors();
  void demoSumsUpWhatItSaved();
};

void TestCli::listPrintsTheVisibleColumns_data() {
  QTest::addColumn<QString>("address");
  QTest::addColumn<QStringList>("head");  // the first lines printed
  QTest::addColumn<int>("lines");
  QTest::addColumn<QStringList>("errTail");
  QTest::addColumn<int>("exitCode");
  QTest::addColumn<bool>("optionsFirst");  // common options before the command
  QTest::newRow("one request lists all") << QStringLiteral("http://www.renren.com/240000003")
                                         << QStringList{"0001\t北京\t   2\t", "0002\t上海\t   3\t",
                                                        "0003\t广州\t   4\t", "0004\t深圳\t   2\t",
                                                        "0005\t杭州\t   3\t", "0006\t成都\t   4\t",
                                                        "0007\t西安\t   2\t"}
                                         << 7 << QStringList{"正在获取相册列表，请稍等...", "获取相册列表完成，共7个"}
                                         << 0 << false;
  QTest::newRow("kinds and notes") << QStringLiteral("http://www.renren.com/chenmo")
                                   << QStringList{"0001\t头像相册\t   1\t", "0002\t手机相册\t   2\t",
                                                  "0003\t加密相册\t   3\t加密相册", "0004\t宠物 4\t  12\t"}
                                   << 95 << QStringList{"获取相册列表完成，共95个"} << 0 << true;
  QTest::newRow("count not reported") << QStringLiteral("http://zhan.renren.com/guangying")
                                      << QStringList{"0001\t初雪 之1\t未知\t", "0002\t湖畔 之2\t未知\t"} << 17
                                      << QStringList{"获取相册列表完成，共17个"} << 0 << false;
  QTest::newRow("no albums") << QStringLiteral("http://www.renren.com/wuming") << QStringList{} << 0
                             << QStringList{"获取相册列表完成，共0个"} << 2 << false;
}

void TestCli::listPrintsTheVisibleColumns() {
  QFETCH(QString, address);
  QFETCH(QStringList, head);
  QFETCH(int, lines);
  QFETCH(QStringList, errTail);
  QFETCH(bool, optionsFirst);
  QTemporaryDir folder;
  const QStringList command = {"list", address};
  const CliResult result = RunCli(folder.path(), optionsFirst ? Site() + command : command + Site());
  QTEST(result.exitCode, "exitCode");
  QCOMPARE(result.outLines.size(), lines);
  QCOMPARE(result.outLines.mid(0, head.size()), head);
  QCOMPARE(result.errLines.mid(result.errLines.size() - errTail.size()), errTail);
}

void TestCli::csvIsGbkWithFencedCommas_data() {
  QTest::addColumn<QString>("address");
  QTest::addColumn<bool>("scripted");  // the photo host is a scripted album page
  QTest::addColumn<QByteArray>("csv");
  QByteArray cities;
  QStringEncoder gbk("GBK");
  for (const QString& line : {"0001,北京,   2,,,,", "0002,上海,   3,,,,", "0003,广州,   4,,,,", "0004,深圳,   2,,,,",
                              "0005,杭州,   3,,,,", "0006,成都,   4,,,,", "0007,西安,   2,,,,"}) {
    cities += QByteArray(gbk(line)) + "\r\n";
  }
  QTest::newRow("sample site") << QStringLiteral("http://www.renren.com/240000003") << false << cities;
  // Apostrophes go; a comma is fenced by apostrophes ("北京" in GBK).
  QTest::newRow("apostrophe and comma") << QStringLiteral("http://photo.renren.com/photo/1/album-2") << true
                                        << QByteArray("0001,Its \xB1\xB1\xBE\xA9',' 2014,   3,,,,\r\n");
}

void TestCli::csvIsGbkWithFencedCommas() {
  QFETCH(QString, address);
  QFETCH(bool, scripted);
  QFETCH(QByteArray, csv);
  FixtureServer server;
  FixtureScript page;
  page.headers = {{"Content-Type", "text/html; charset=utf-8"}};
  page.body = QStringLiteral(
                  "<html><body><ul class=\"nav-tabs\"><li><a href=\"#\">某人</a></li></ul>\n"
                  "<div class=\"ablum-infor\"><h1>It's 北京, 2014<span class=\"count\">(3张)</span></h1>"
                  "</div></body></html>")
                  .toUtf8();
  server.Serve("/photo/1/album-2", page);
  QTemporaryDir folder;
  const CliResult result =
      RunCli(folder.path(), QStringList{"list", address, "--csv", "albums.csv"} +
                                ConnectToArgs(site_.Port(), scripted ? "photo.renren.com" : "", server.Port()));
  QCOMPARE(result.exitCode, 0);
  QCOMPARE(ReadAll(folder.filePath(QStringLiteral("albums.csv"))), csv);
}

void TestCli::downloadFlagsHoldForOneRun_data() {
  QTest::addColumn<QStringList>("flags");
  QTest::addColumn<QStringList>("files");  // below the owner's folder
  QTest::addColumn<QString>("opened");
  QTest::addColumn<QStringList>("said");  // lines standard error holds
  QTest::newRow("albums, threads, minimum size, format fix")
      << QStringList{"--albums", "2,9", "--threads", "3", "--min-kb", "1", "--fix-format"}
      << QStringList{"大小与格式/4.png", "大小与格式/5.gif", "大小与格式/6.jpg", "大小与格式/7.png",
                     "旅行 (1)/1.png",   "旅行 (1)/2.gif",   "旅行 (1)/3.jpg"}
      << QStringLiteral("out/林小夏/大小与格式/") << QStringList{"正在下载第1/2个图集", "已下载7/7......"};
  QTest::newRow("minimum above two of three pictures")
      << QStringList{"--albums", "2", "--min-kb", "100"} << QStringList{"旅行 (1)/3.jpg"}
      << QStringLiteral("out/林小夏/旅行 (1)/") << QStringList{"已下载3/3......"};
  QTest::newRow("address list only") << QStringList{"--albums", "2", "--list-only"}
                                     << QStringList{"旅行 (1)/旅行 (1).lst"} << QStringLiteral("out/林小夏/旅行 (1)/")
                                     << QStringList{"已获取到3张图片信息"};
  QTest::newRow("name list") << QStringList{"--albums", "2", "--name-list"}
                             << QStringList{"旅行 (1)/1.jpg", "旅行 (1)/2.jpg", "旅行 (1)/3.jpg",
                                            "旅行 (1)/旅行 (1).txt"}
                             << QStringLiteral("out/林小夏/旅行 (1)/") << QStringList{};
  QTest::newRow("yes to the password question")
      << QStringList{"--albums", "5", "--yes"}
      << QStringList{"私密相册/1.jpg", "私密相册/2.jpg", "私密相册/3.jpg", "私密相册/4.jpg", "私密相册/5.jpg"}
      << QStringLiteral("out/林小夏/私密相册/")
      << QStringList{"加密相册,是否输入密码 [yes]",
                     "需要登录: http://photo.renren.com/photo/240000001/album-1100000105/"};
}

void TestCli::downloadFlagsHoldForOneRun() {
  QFETCH(QStringList, flags);
  QFETCH(QStringList, files);
  QFETCH(QString, opened);
  QFETCH(QStringList, said);
  QTemporaryDir folder;
  // A first run leaves the settings file as a run without flags has it.
  QCOMPARE(RunCli(folder.path(), QStringList{"list", kLinXiaoxia} + Site()).exitCode, 0);
  const QByteArray settings = ReadAll(folder.filePath(QStringLiteral("soft.dat")));
  QCOMPARE(settings.size(), 19808);

  const CliResult result = RunCli(folder.path(), QStringList{"download", kLinXiaoxia, "out"} + flags + Site());
  QCOMPARE(result.exitCode, 0);
  QCOMPARE(VisibleFiles(folder.filePath(QStringLiteral("out/林小夏"))), files);
  QCOMPARE(result.outLines, QStringList{opened});
  QCOMPARE(result.errLines.last(), QStringLiteral("下载完毕"));
  for (const QString& line : said) QVERIFY2(result.errLines.contains(line), qPrintable(line));
  QCOMPARE(ReadAll(folder.filePath(QStringLiteral("soft.dat"))), settings);
}

void TestCli::skipOldFindsNothingNew() {
  QTemporaryDir folder;
  const QStringList download = QStringList{"download", kLinXiaoxia, "out", "--albums", "2"} + Site();
  QCOMPARE(RunCli(folder.path(), download).exitCode, 0);
  const QStringList files = VisibleFiles(folder.path());
  QCOMPARE(files.size(), 4);  // soft.dat and three pictures

  const CliResult again = RunCli(folder.path(), download + QStringList{"--skip-old"});
  QCOMPARE(again.exitCode, 2);
  QVERIFY(!again.errLines.contains(QStringLiteral("已开始下载图片")));
  QCOMPARE(again.errLines.last(), QStringLiteral("下载完毕"));
  QCOMPARE(VisibleFiles(folder.path()), files);
  // The flag held for that run only.
  const CliResult third = RunCli(folder.path(), download);
  QCOMPARE(third.exitCode, 0);
  QVERIFY(third.errLines.contains(QStringLiteral("已下载3/3......")));
}

void TestCli::usageErrors_data() {
  QTest::addColumn<QStringList>("args");
  QTest::newRow("no command") << QStringList{};
  QTest::newRow("unknown command") << QStringList{"fetch", "http://www.renren.com/x"};
  QTest::newRow("list without an address") << QStringList{"list"};
  QTest::newRow("download without a folder") << QStringList{"download", "http://www.renren.com/x"};
  QTest::newRow("demo with two folders") << QStringList{"demo", "a", "b"};
  QTest::newRow("unknown option") << QStringList{"list", "http://www.renren.com/x", "--bogus"};
  QTest::newRow("option without its value") << QStringList{"list", "http://www.renren.com/x", "--csv"};
  QTest::newRow("download flag on list") << QStringList{"list", "http://www.renren.com/x", "--list-only"};
  QTest::newRow("csv on download") << QStringList{"download", "http://www.renren.com/x", "out", "--csv", "a.csv"};
  QTest::newRow("no threads") << QStringList{"download", "http://www.renren.com/x", "out", "--threads", "0"};
  QTest::newRow("too many threads") << QStringList{"download", "http://www.renren.com/x", "out", "--threads", "16"};
  QTest::newRow("time-out too short") << QStringList{"download", "http://www.renren.com/x", "out", "--timeout", "9"};
  QTest::newRow("backward album range") << QStringList{"download", "http://www.renren.com/x", "out", "--albums", "3-1"};
  QTest::newRow("album list not a number")
      << QStringList{"download", "http://www.renren.com/x", "out", "--albums", "a"};
}

void TestCli::usageErrors() {
  QFETCH(QStringList, args);
  QTemporaryDir folder;
  const CliResult result = RunCli(folder.path(), args + Site());
  QCOMPARE(result.exitCode, 1);
  QVERIFY(result.out.isEmpty());
  QVERIFY(!result.errLines.isEmpty() && result.errLines.front().startsWith(QStringLiteral("lumvane-cli: ")));
  QVERIFY(result.errLines.contains(QStringLiteral("Usage:")));
  // Nothing ran: not even the settings file was made.
  QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{});
}

void TestCli::demoSumsUpWhatItSaved() {
  QTemporaryDir folder;
  const CliResult result = RunCli(folder.path(), {"demo", "pictures"});
  QCOMPARE(result.exitCode, 0);
  QVERIFY(QRegularExpression(QStringLiteral("^The bundled sample site serves on 127\\.0\\.0\\.1:\\d+\\.$"))
              .match(result.outLines.value(0))
              .hasMatch());
  const QString saved = folder.filePath(QStringLiteral("pictures")) + u'/';
  QCOMPARE(result.outLines.mid(result.outLines.size() - 8),
           (QStringList{u"Saved into " + saved + u':', "  人人摄影社: 143 files in 3 albums",
                        "  光影札记: 17 files in 17 albums", "  周一鸣: 20 files in 7 albums",
                        "  李回环: 80 files in 80 albums", "  林小夏: 102 files in 8 albums",
                        "  陈默: 197 files in 94 albums", "In all 559 files in 209 albums of 6 owners."}));
  QCOMPARE(VisibleFiles(saved).size(), 559);
}

}  // namespace lumvane

QTEST_GUILESS_MAIN(lumvane::TestCli)
#include "TestCli.moc"
