#include "SampleSitePagesTest.h"

#include <QTest>

#include "SiteClient.h"
#include "platform/LoopbackSocket.h"
#include "samplesite/DemoRenrenUsers.h"
#include "samplesite/SampleContentBuilder.h"

namespace lumvane {
namespace {

const QString kV7List = QStringLiteral("http://photo.renren.com/photo/%1/albumlist/v7?showAll=1#");

const SampleUser& UserOf(const SampleSite& site, quint64 id) { return *site.Content().FindUser(id); }

// One raw request on a new connection; the status line of the answer.
QByteArray RawStatusLine(quint16 port, const QByteArray& request) {
  auto socket = LoopbackSocket::Connect(port);
  if (!socket || !socket->SendAll(QByteArrayView(request))) return QByteArray();
  QByteArray answer;
  char buffer[4096];
  while (!answer.contains("\r\n") && socket->WaitReadable(5000)) {
    const qint64 n = socket->Receive(buffer, sizeof buffer);
    if (n <= 0) break;
    answer.append(buffer, n);
  }
  return answer.left(answer.indexOf("\r\n"));
}

}  // namespace

void SampleSitePagesTest::initTestCase() {
  site_ = std::make_unique<SampleSite>(BuildSampleSiteContent());
  QVERIFY(site_->Start());
}

void SampleSitePagesTest::routesByHostAndPath_data() {
  QTest::addColumn<QString>("url");
  QTest::addColumn<long>("status");
  QTest::addColumn<QString>("marker");
  const SampleSiteContent& content = site_->Content();
  const SamplePicture& picture = content.users[0].albums[0].pictures[0];
  const QString onOtherHost = QStringLiteral("http://hdn.xnimg.cn") + QString::fromLatin1(picture.Path());
  QTest::newRow("vanity profile") << "http://www.renren.com/linxiaoxia" << 200L << "pid: '240000001'";
  QTest::newRow("profile by id") << "http://www.renren.com/240000001/profile" << 200L << "pid: '240000001'";
  QTest::newRow("public page") << "http://page.renren.com/sheying" << 200L << "profile_owner = 600000001;";
  QTest::newRow("profile without id") << "http://www.renren.com/wuming" << 200L << "该用户尚未开放个人主页";
  QTest::newRow("public page name on main host") << "http://www.renren.com/sheying" << 404L << "";
  QTest::newRow("unknown vanity name") << "http://www.renren.com/nobody" << 404L << "";
  QTest::newRow("v7 list") << kV7List.arg(kV7UserId) << 200L << "'albumList'";
  QTest::newRow("v7 list of unknown user") << kV7List.arg(240000099) << 404L << "";
  QTest::newRow("no v7 list for single-request user") << kV7List.arg(kSingleRequestUserId) << 404L << "";
  QTest::newRow("classic album page") << "http://photo.renren.com/photo/240000001/album-1100000101" << 200L
                                      << "class=\"ablum-infor\"><h1>旅行<span";
  QTest::newRow("v7 album page") << "http://photo.renren.com/photo/240000001/album-1100000101/v7" << 200L
                                 << "'albumName':'旅行'";
  QTest::newRow("album of another user") << "http://photo.renren.com/photo/240000002/album-1100000101" << 404L << "";
  QTest::newRow("unknown album page") << "http://photo.renren.com/photo/240000001/album-1100000101/nonsense" << 404L
                                      << "";
  QTest::newRow("password form") << "http://photo.renren.com/photo/240000001/album-1100000105/private" << 200L
                                 << "type=\"password\"";
  QTest::newRow("zhan site") << "http://zhan.renren.com/guangying" << 200L << "site_id=7100000001\"";
  QTest::newRow("unknown zhan site") << "http://zhan.renren.com/nosuchsite" << 404L << "";
  QTest::newRow("zhan archive of unknown site") << "http://zhan.renren.com/archive?site_id=1" << 404L << "";
  QTest::newRow("configuration") << "http://soft.lumvane.net/config?f=T&t=0.5" << 200L << "fields=14.12.29.01|";
  QTest::newRow("picture") << picture.Url() << 200L << "";
  QTest::newRow("picture on the other picture host") << onOtherHost << 404L << "";
  QTest::newRow("medium-size picture address") << picture.UrlAs("main_") << 404L << "";
  QTest::newRow("host not served") << "http://www.example.com/" << 404L << "";
  QTest::newRow("page path on the photo host") << "http://photo.renren.com/linxiaoxia" << 404L << "";
}

void SampleSitePagesTest::routesByHostAndPath() {
  QFETCH(QString, url);
  QFETCH(long, status);
  QFETCH(QString, marker);
  const FetchResult result = SiteClient(site_->Port()).Get(url);
  QCOMPARE(result.status, status);
  if (!marker.isEmpty()) QVERIFY2(result.Text().contains(marker), qPrintable(result.Text().left(2000)));
}

void SampleSitePagesTest::oddRequestsGetAnAnswer_data() {
  QTest::addColumn<QByteArray>("host");
  QTest::addColumn<QByteArray>("target");
  QTest::newRow("empty album id") << QByteArray("photo.renren.com") << QByteArray("/photo/240000001/album-");
  QTest::newRow("empty user id") << QByteArray("photo.renren.com") << QByteArray("/photo//albumlist/v7");
  QTest::newRow("huge ids") << QByteArray("photo.renren.com")
                            << QByteArray("/photo/99999999999999999999999/album-99999999999999999999/v7");
  QTest::newRow("huge page numbers") << QByteArray("photo.renren.com")
                                     << QByteArray(
                                            "/photo/240000001/album-1100000101/bypage/ajax/v7?page="
                                            "999999999999999999&pageSize=999999999999999999");
  QTest::newRow("negative page") << QByteArray("photo.renren.com")
                                 << QByteArray("/photo/240000001/album-1100000101//bypage/ajax?curPage=-5&pagenum=-1");
  QTest::newRow("bad numbers") << QByteArray("photo.renren.com")
                               << QByteArray("/photo/240000002/album/relatives/ajax?offset=x&limit=--");
  QTest::newRow("page zero") << QByteArray("photo.renren.com")
                             << QByteArray("/photo/240000002/album/relatives?curpage=0");
  QTest::newRow("empty photo id") << QByteArray("photo.renren.com") << QByteArray("/photo/240000001/photo-/large");
  QTest::newRow("empty post id") << QByteArray("zhan.renren.com") << QByteArray("/guangying?gid=&ajax=true");
  QTest::newRow("archive without month") << QByteArray("zhan.renren.com")
                                         << QByteArray("/archive/archiveByTime?site_id=7100000001&page=99999999");
  QTest::newRow("asterisk") << QByteArray("www.renren.com") << QByteArray("*");
  QTest::newRow("bad port in host") << QByteArray("photo.renren.com:99999:x")
                                    << QByteArray("/photo/240000001/albumlist/v7");
  QTest::newRow("no host") << QByteArray() << QByteArray("/fmn057/x.jpg");
}

void SampleSitePagesTest::oddRequestsGetAnAnswer() {
  QFETCH(QByteArray, host);
  QFETCH(QByteArray, target);
  const QByteArray request = "GET " + target + " HTTP/1.1\r\n" +
                             (host.isNull() ? QByteArray() : "Host: " + host + "\r\n") + "Connection: close\r\n\r\n";
  const QByteArray status = RawStatusLine(site_->Port(), request);
  QVERIFY2(status == "HTTP/1.1 200 OK" || status == "HTTP/1.1 404 Not Found", status.constData());
  QCOMPARE(SiteClient(site_->Port()).Get(kV7List.arg(kV7UserId)).status, 200L);
}

void SampleSitePagesTest::compressesOnlyWhereAskedAndAccepted_data() {
  QTest::addColumn<QString>("url");
  QTest::addColumn<QByteArray>("acceptEncoding");
  QTest::addColumn<bool>("compressed");
  const QString gzipUser = kV7List.arg(kV7UserId);
  const QString gbkGzipUser = QStringLiteral("http://page.renren.com/sheying");
  const QString zhanPosts =
      QStringLiteral("http://zhan.renren.com/archive/archiveByTime?site_id=7100000001&month=201412&page=0");
  const QString plainUser = QStringLiteral("http://photo.renren.com/photo/240000002/album/relatives?curpage=1");
  QTest::newRow("gzip user") << gzipUser << QByteArray("gzip, deflate") << true;
  QTest::newRow("gzip user, gzip not accepted") << gzipUser << QByteArray("deflate") << false;
  QTest::newRow("gzip user, gzip refused") << gzipUser << QByteArray("gzip;q=0, deflate") << false;
  QTest::newRow("gzip user, no header") << gzipUser << QByteArray() << false;
  QTest::newRow("gzip and GBK") << gbkGzipUser << QByteArray("gzip, deflate") << true;
  QTest::newRow("zhan posts") << zhanPosts << QByteArray("gzip") << true;
  QTest::newRow("plain user") << plainUser << QByteArray("gzip, deflate") << false;
}

void SampleSitePagesTest::compressesOnlyWhereAskedAndAccepted() {
  QFETCH(QString, url);
  QFETCH(QByteArray, acceptEncoding);
  QFETCH(bool, compressed);
  const SiteClient client(site_->Port());
  const FetchResult plain = client.Get(url);
  const FetchResult asked = client.Get(
      url, acceptEncoding.isNull() ? QList<QByteArray>{} : QList<QByteArray>{"Accept-Encoding: " + acceptEncoding});
  QCOMPARE(plain.status, 200L);
  QCOMPARE(asked.status, 200L);
  QCOMPARE(asked.Compressed(), compressed);
  // The program takes any "gzip" in the headers for a compressed body.
  QCOMPARE(asked.headers.contains("gzip"), compressed);
  QVERIFY(!plain.headers.contains("gzip"));
  QCOMPARE(compressed ? Inflate(asked.body) : asked.body, plain.body);
}

void SampleSitePagesTest::compressionOptionOverridesTheUsers_data() {
  QTest::addColumn<int>("compression");
  QTest::addColumn<bool>("compressed");
  QTest::newRow("all") << static_cast<int>(PageCompression::All) << true;
  QTest::newRow("none") << static_cast<int>(PageCompression::None) << false;
}

void SampleSitePagesTest::compressionOptionOverridesTheUsers() {
  QFETCH(int, compression);
  QFETCH(bool, compressed);
  SampleSite site(BuildSampleSiteContent({.compression = static_cast<PageCompression>(compression)}));
  QVERIFY(site.Start());
  const SiteClient client(site.Port());
  for (const QString& url :
       {kV7List.arg(kV7UserId), kV7List.arg(kClassicUserId), QStringLiteral("http://zhan.renren.com/guangying")}) {
    const FetchResult result = client.Get(url, {"Accept-Encoding: gzip, deflate"});
    QCOMPARE(result.status, 200L);
    QCOMPARE(result.Compressed(), compressed);
  }
}

void SampleSitePagesTest::charsetsAsLabelled_data() {
  QTest::addColumn<QString>("url");
  QTest::addColumn<QByteArray>("label");
  QTest::addColumn<QString>("title");
  QTest::addColumn<bool>("utf8Bytes");
  QTest::newRow("UTF-8") << kV7List.arg(kV7UserId) << QByteArray("charset=utf-8")
                         << "<title>人人网 - 林小夏的相册</title>" << true;
  QTest::newRow("GBK") << "http://photo.renren.com/photo/240000002/album/relatives?curpage=1"
                       << QByteArray("charset=GBK") << "<title>人人网 - 陈默的相册</title>" << false;
  QTest::newRow("GBK, compressed") << kV7List.arg(kPublicPageUserId) << QByteArray("charset=GBK")
                                   << "<title>人人网 - 人人摄影社的相册</title>" << false;
  QTest::newRow("UTF-8 labelled gbk") << "http://photo.renren.com/photo/240000003/album/relatives?curpage=1"
                                      << QByteArray("charset=gbk") << "<title>人人网 - 周一鸣的相册</title>" << true;
}

void SampleSitePagesTest::charsetsAsLabelled() {
  QFETCH(QString, url);
  QFETCH(QByteArray, label);
  QFETCH(QString, title);
  QFETCH(bool, utf8Bytes);
  const FetchResult result = SiteClient(site_->Port()).Get(url, {"Accept-Encoding: gzip, deflate"});
  QCOMPARE(result.status, 200L);
  QVERIFY2(result.headers.contains(label), result.headers.constData());
  QVERIFY(result.Text().contains(title));
  const QByteArray bytes = result.Compressed() ? Inflate(result.body) : result.body;
  QCOMPARE(bytes.contains(title.toUtf8()), utf8Bytes);
}

void SampleSitePagesTest::classicListPaging_data() {
  QTest::addColumn<quint64>("userId");
  QTest::addColumn<QString>("path");
  QTest::addColumn<qsizetype>("first");  // index of the first album listed
  QTest::addColumn<qsizetype>("items");
  QTest::addColumn<bool>("pagingMarker");
  const quint64 classic = kClassicUserId, single = kSingleRequestUserId, ignores = kIgnoresOffsetUserId;
  QTest::newRow("first page") << classic << "/album/relatives?curpage=1" << qsizetype{0} << qsizetype{40} << true;
  QTest::newRow("offset 40") << classic << "/album/relatives/ajax?offset=40&limit=40" << qsizetype{40} << qsizetype{40}
                             << false;
  QTest::newRow("offset 80") << classic << "/album/relatives/ajax?offset=80&limit=40" << qsizetype{80} << qsizetype{15}
                             << false;
  QTest::newRow("offset 120") << classic << "/album/relatives/ajax?offset=120&limit=40" << qsizetype{0} << qsizetype{0}
                              << false;
  QTest::newRow("single-request user, first page")
      << single << "/album/relatives?curpage=1" << qsizetype{0} << qsizetype{7} << false;
  QTest::newRow("single request") << single << "/ajax?__view=async-html&offset=0&limit=500" << qsizetype{0}
                                  << qsizetype{7} << true;
  QTest::newRow("offset ignored, 40") << ignores << "/album/relatives/ajax?offset=40&limit=40" << qsizetype{40}
                                      << qsizetype{40} << false;
  QTest::newRow("offset ignored, 80") << ignores << "/album/relatives/ajax?offset=80&limit=40" << qsizetype{40}
                                      << qsizetype{40} << false;
}

void SampleSitePagesTest::classicListPaging() {
  QFETCH(quint64, userId);
  QFETCH(QString, path);
  QFETCH(qsizetype, first);
  QFETCH(qsizetype, items);
  QFETCH(bool, pagingMarker);
  const SampleUser& user = UserOf(*site_, userId);
  const QString page =
      SiteClient(site_->Port()).Page(u"http://photo.renren.com/photo/" + QString::number(userId) + path);
  QVERIFY(page.contains(u"class=\"album-list"));
  QCOMPARE(page.count(u"<li>"), items);
  const qsizetype marker = page.indexOf(u"first-page clearfix");
  QCOMPARE(marker >= 0, pagingMarker);
  if (pagingMarker) QVERIFY(marker > page.lastIndexOf(u"</li>"));
  for (qsizetype i = 0; i < items; ++i) {
    const QString id = QString::number(user.albums[static_cast<size_t>(first + i)].id);
    QVERIFY2(page.contains(u"/album-" + id), qPrintable(id));
  }
}

void SampleSitePagesTest::startupConfigFraming() {
  const StartupConfig& config = site_->Content().startup;
  const QStringList lines =
      SiteClient(site_->Port()).Page(QStringLiteral("http://soft.lumvane.net/config?f=T&t=0.25")).split(u'\n');
  QCOMPARE(lines.size(), 4);
  QCOMPARE(lines[0], QStringLiteral("LUMVANE-CONFIG 1"));
  QCOMPARE(lines[1], u"fields=" + config.version + u'|' + config.updateUrl);
  QCOMPARE(lines[2], u"sources=" + config.sourceNames.join(u'|'));
  QCOMPARE(config.sourceNames.size(), 20);
  QCOMPARE(config.sourceNames[3], QStringLiteral("人人网"));
  QCOMPARE(SiteClient(site_->Port()).Get(config.updateUrl).status, 200L);
}

}  // namespace lumvane
