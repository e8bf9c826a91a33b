// Naming pictures by the user's rule: the examples users rely on, numbering
// of repeated names, name length limits, and site text that looks like a path.

#include <QDir>
#include <QSet>
#include <QTest>

#include "app/ControlIds.h"
#include "catalogue/AlbumListJob.h"
#include "download/PictureNaming.h"
#include "platform/NameLimits.h"
#include "support/TestSession.h"

namespace lumvane {

class TestPictureNaming : public QObject {
  Q_OBJECT

 private:
  // A session with `albums` albums named "Album N", the rule `rule` for
  // Renren, and the download set up to save into a fresh folder.
  struct Naming {
    explicit Naming(const SaveRule& rule, int albums = 3) {
      for (int i = 1; i <= albums; ++i) {
        ST_PERLISTRECORD record;
        record.strName = u"Album " + QString::number(i);
        AddAlbum(session.dlg, record);
      }
      session.dlg.CurrentSiteKind = SITE_RENREN;
      session.dlg.Settings.SetRule(SITE_RENREN, rule);
      session.dlg.Download.saveRoot = session.ProgramFolder();
      session.app.batch.Clear();
      session.app.batch.folder = session.ProgramFolder();
    }
    void Add(const QString& description, const QString& address = QStringLiteral("http://p.example/a/b.jpg"),
             int album = 0) {
      AddPicture(session.dlg, address, description, QStringLiteral("Referer: x"), album);
    }
    QStringList Names() const { return session.app.batch.Names(); }
    TestSession session;
  };

 private Q_SLOTS:
  void namesFollowTheRule_data();
  void namesFollowTheRule();
  void folderFollowsTheRule_data();
  void folderFollowsTheRule();
  void numberingMatchesProbingFromOne();
  void manyEqualNamesAreNumberedInOrder();
  void longNamesFitTheFileSystem();
  void absolutePathsStayInsideTheSaveFolder_data();
  void absolutePathsStayInsideTheSaveFolder();
  void skipOldStopsAtTheMarker();
  void nameListHoldsEveryDescription();
  void ensureFolderPath_data();
  void ensureFolderPath();
};

void TestPictureNaming::namesFollowTheRule_data() {
  QTest::addColumn<QString>("prefix");
  QTest::addColumn<int>("nameSource");
  QTest::addColumn<QStringList>("descriptions");
  QTest::addColumn<QStringList>("addresses");
  QTest::addColumn<int>("album");
  QTest::addColumn<QStringList>("names");

  const QStringList one = {QStringLiteral("http://p.example/a/b.jpg")};
  QTest::newRow("description cleaned") << QString() << 0 << QStringList{"My/Trip: day 1"} << one << 0
                                       << QStringList{"MyTrip day 1.jpg"};
  QTest::newRow("address keeps its extension as written")
      << QString() << 2 << QStringList{"x"} << QStringList{"http://p.example/pics/abc.PNG"} << 0
      << QStringList{"abc.PNG"};
  QTest::newRow("unknown extension gets .jpg")
      << QString() << 2 << QStringList{"x"} << QStringList{"http://p.example/pics/abc.webp"} << 0
      << QStringList{"abc.webp.jpg"};
  QTest::newRow("address without a folder gives the sequence")
      << QString() << 2 << QStringList{"x"} << QStringList{"/abc.png"} << 0 << QStringList{"1.jpg"};
  QTest::newRow("repeated names with an extension")
      << QString() << 0 << QStringList{"abc.jpg", "abc.jpg", "abc.jpg"} << one << 0
      << QStringList{"abc.jpg", "abc.jpg(1).jpg", "abc.jpg(2).jpg"};
  QTest::newRow("repeated names without one")
      << QString() << 0 << QStringList{"Title", "Title"} << one << 0 << QStringList{"Title.jpg", "Title(1).jpg"};
  QTest::newRow("names equal but for case") << QString() << 0 << QStringList{"Title", "TITLE", "title"} << one << 0
                                            << QStringList{"Title.jpg", "TITLE(1).jpg", "title(2).jpg"};
  QTest::newRow("only dots") << QString() << 0 << QStringList{"..."} << one << 0 << QStringList{"。。。.jpg"};
  QTest::newRow("empty description takes the album name")
      << QString() << 0 << QStringList{"  "} << one << 1 << QStringList{"Album 2.jpg"};
  QTest::newRow("sequence numbers") << QString() << 1 << QStringList{"a", "b"} << one << 0
                                    << QStringList{"1.jpg", "2.jpg"};
  QTest::newRow("album position with four digits")
      << QStringLiteral("?9_") << 0 << QStringList{"sea"} << one << 2 << QStringList{"0003_sea.jpg"};
  QTest::newRow("escapes of the album and the list") << QStringLiteral("?1-?2-?3-?6-?7 ") << 0 << QStringList{"sea"}
                                                     << one << 1 << QStringList{"Album 2-1-2-0-3 sea.jpg"};
  QTest::newRow("escapes inside an address name")
      << QString() << 2 << QStringList{"x"} << QStringList{"http://p.example/a/?9-b.gif"} << 1
      << QStringList{"0002-b.gif"};
}

void TestPictureNaming::namesFollowTheRule() {
  QFETCH(QString, prefix);
  QFETCH(int, nameSource);
  QFETCH(QStringList, descriptions);
  QFETCH(QStringList, addresses);
  QFETCH(int, album);
  SaveRule rule;
  rule.prefix = prefix;
  rule.nameSource = static_cast<quint8>(nameSource);
  Naming naming(rule);
  for (const QString& description : descriptions) naming.Add(description, addresses.value(0), album);
  QTEST(naming.Names(), "names");
}

void TestPictureNaming::folderFollowsTheRule_data() {
  QTest::addColumn<QString>("folderPrefix");
  QTest::addColumn<int>("folderSource");
  QTest::addColumn<QString>("folder");
  QTest::newRow("album name") << QString() << 0 << QStringLiteral("Album 3");
  QTest::newRow("?2 is no escape for folders") << QStringLiteral("?2") << 0 << QStringLiteral("2Album 3");
  QTest::newRow("position, no album name") << QStringLiteral("?3-") << 1 << QStringLiteral("3-");
  QTest::newRow("no folder at all") << QString() << 1 << QString();
}

void TestPictureNaming::folderFollowsTheRule() {
  QFETCH(QString, folderPrefix);
  QFETCH(int, folderSource);
  QFETCH(QString, folder);
  SaveRule rule;
  rule.folderPrefix = folderPrefix;
  rule.folderSource = static_cast<quint8>(folderSource);
  Naming naming(rule);
  naming.Add(QStringLiteral("pic"), QStringLiteral("http://p.example/a/b.jpg"), 2);
  const QString expected = naming.session.ProgramFolder() + (folder.isEmpty() ? QString() : folder + u'/');
  QCOMPARE(naming.session.app.batch.folder, expected);
  QVERIFY(QFileInfo(expected).isDir());
}

// The spec'd numbering probes "(1)", "(2)", … from the start for every
// picture; the namer resumes where it stopped. Both must give the same names.
void TestPictureNaming::numberingMatchesProbingFromOne() {
  const QStringList pool = {"a", "A", "a(1)", "b.jpg", "b", "B.JPG", "a(2).jpg", "c(1)", "c", "b.jpg(1)"};
  QStringList descriptions;
  for (int i = 0; i < 400; ++i) descriptions.append(pool[(i * 7 + i / 3) % pool.size()]);

  Naming naming{SaveRule{}};
  for (const QString& description : descriptions) naming.Add(description);

  QStringList expected;
  auto taken = [&](const QString& name) {
    for (const QString& other : expected) {
      if (other.compare(name, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
  };
  for (const QString& stem : descriptions) {
    QString name = stem;
    QString ext = QStringLiteral(".jpg");
    if (HasPictureExtension(name)) {
      ext = name.mid(name.lastIndexOf(u'.'));
      name.truncate(name.lastIndexOf(u'.'));
    }
    for (unsigned k = 1; taken(name + ext); ++k) name = stem + u'(' + QString::number(k) + u')';
    expected.append(name + ext);
  }
  QCOMPARE(naming.Names(), expected);
}

void TestPictureNaming::manyEqualNamesAreNumberedInOrder() {
  Naming naming{SaveRule{}};
  constexpr int kPictures = 20000;
  for (int i = 0; i < kPictures; ++i) naming.Add(QStringLiteral("Title"));
  const QStringList names = naming.Names();
  QCOMPARE(names.size(), kPictures);
  QCOMPARE(names.front(), QStringLiteral("Title.jpg"));
  QCOMPARE(names[1], QStringLiteral("Title(1).jpg"));
  QCOMPARE(names.back(), QStringLiteral("Title(19999).jpg"));
}

void TestPictureNaming::longNamesFitTheFileSystem() {
  Naming naming{SaveRule{}};
  const QString wide = QString(300, QChar(0x4E2D));                       // three bytes each in UTF-8
  const QString astral = QString::fromUcs4(U"\U0001F600").repeated(100);  // four bytes, two units each
  for (const QString& description : QStringList{wide, wide, astral, wide + u".png"}) naming.Add(description);
  const QStringList names = naming.Names();
  QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
  for (const QString& name : names) {
    QVERIFY2(NameComponentLength(name) <= MaxNameComponentLength(), qPrintable(name));
    QVERIFY(!name.isEmpty() && !name.at(name.size() - 5).isHighSurrogate());
    QFile file(naming.session.ProgramFolder() + name);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(name));
  }
  QVERIFY(names[1].endsWith(QStringLiteral("(1).jpg")));
  QVERIFY(names[3].endsWith(QStringLiteral(".png")));
}

void TestPictureNaming::absolutePathsStayInsideTheSaveFolder_data() {
  QTest::addColumn<QString>("description");
  QTest::addColumn<bool>("kept");
  QTest::newRow("system file") << QStringLiteral("/etc/passwd") << false;
  QTest::newRow("climbing out") << QStringLiteral("%1/../../x.jpg") << false;
  QTest::newRow("drive letter") << QStringLiteral("C:\\Windows\\x.jpg") << false;
  QTest::newRow("inside the save folder") << QStringLiteral("%1/sub/x.jpg") << true;
}

void TestPictureNaming::absolutePathsStayInsideTheSaveFolder() {
  QFETCH(QString, description);
  QFETCH(bool, kept);
  Naming naming{SaveRule{}};
  const QString root = QDir::cleanPath(naming.session.ProgramFolder());
  if (description.contains(QStringLiteral("%1"))) description = description.arg(root);
  naming.Add(description);
  const QString name = naming.Names().front();
  if (kept) {
    QCOMPARE(name, description);
  } else {
    QVERIFY2(!name.contains(u'/') && !name.contains(u'\\'), qPrintable(name));
    QVERIFY(PicturePath(naming.session.app.batch.folder, name).startsWith(root + u'/'));
  }
}

void TestPictureNaming::skipOldStopsAtTheMarker() {
  SaveRule rule;
  rule.options = OPT_SKIP_OLD;
  Naming naming(rule);
  const QString albumFolder = naming.session.ProgramFolder() + QStringLiteral("Album 1/");
  QVERIFY(QDir().mkpath(albumFolder));
  {
    QFile marker(albumFolder + QStringLiteral(".pic.orv"));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    const QString address = QStringLiteral("http://p.example/old.jpg");
    marker.write(reinterpret_cast<const char*>(address.utf16()), address.size() * 2);
  }
  naming.session.dlg.DownloadState = DOWNLOAD_RUNNING;
  naming.Add(QStringLiteral("new"), QStringLiteral("http://p.example/new.jpg"));
  naming.Add(QStringLiteral("old"), QStringLiteral("http://p.example/old.jpg"));
  QCOMPARE(naming.Names(), QStringList{"new.jpg"});
  QCOMPARE(naming.session.dlg.DownloadState.load(), quint8(DOWNLOAD_STOP_COLLECTING));

  // Without a marker an empty address is an ordinary picture.
  Naming fresh(rule);
  fresh.session.dlg.DownloadState = DOWNLOAD_RUNNING;
  fresh.Add(QStringLiteral("no address"), QString());
  QCOMPARE(fresh.Names().size(), 1);
  QCOMPARE(fresh.session.dlg.DownloadState.load(), quint8(DOWNLOAD_RUNNING));
}

void TestPictureNaming::nameListHoldsEveryDescription() {
  SaveRule rule;
  rule.options = OPT_NAME_LIST;
  Naming naming(rule);
  for (const QString& description : {QStringLiteral("海边"), QStringLiteral("a/b"), QStringLiteral("海边")}) {
    naming.Add(description);
  }
  naming.session.dlg.Download.nameList.Close();
  QFile list(naming.session.ProgramFolder() + QStringLiteral("Album 1/Album 1.txt"));
  QVERIFY(list.open(QIODevice::ReadOnly));
  const QByteArray bytes = list.readAll();
  QVERIFY(bytes.startsWith("\xFF\xFE"));
  const QString text =
      QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
  QCOMPARE(text, QStringLiteral("海边\r\na/b\r\n海边\r\n"));
}

void TestPictureNaming::ensureFolderPath_data() {
  QTest::addColumn<QString>("path");  // %1: a fresh folder
  QTest::addColumn<QString>("normalised");
  QTest::addColumn<bool>("made");
  QTest::newRow("spaces and no separator") << QStringLiteral("  %1/a b/c ") << QStringLiteral("%1/a b/c/") << true;
  QTest::newRow("already there") << QStringLiteral("%1/") << QStringLiteral("%1/") << true;
  QTest::newRow("a file in the way") << QStringLiteral("%1/file/x") << QStringLiteral("%1/file/x/") << false;
}

void TestPictureNaming::ensureFolderPath() {
  QFETCH(QString, path);
  QFETCH(QString, normalised);
  QFETCH(bool, made);
  QTemporaryDir root;
  QFile file(root.path() + QStringLiteral("/file"));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.close();
  RecordingPort port;
  path = path.arg(root.path());
  QCOMPARE(EnsureFolderPath(port, path), made);
  QCOMPARE(path, normalised.arg(root.path()));
  if (made) {
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(port.Messages().isEmpty());
  } else {
    QCOMPARE(port.MessageTexts(), QStringList{root.path() + QStringLiteral("/file")});
  }
}

}  // namespace lumvane

QTEST_GUILESS_MAIN(lumvane::TestPictureNaming)
#include "TestPictureNaming.moc"
