// Page bodies to text: inflating, the marker cuts of compressed pages, the
// character set choice and entity decoding, end to end through the client.

#include <QStringEncoder>
#include <QTest>

#include "WebTestRunners.h"
#include "WebTestSupport.h"
#include "samplesite/Gzip.h"
#include "support/FixtureServer.h"
#include "text/CodePage.h"
#include "web/Inflate.h"
#include "web/UrlSource.h"

namespace lumvane {
namespace {

QByteArray Encoded(const char* codec, const QString& text) { return QStringEncoder(codec).encode(text); }

// Text that compresses poorly, so a cut stream still inflates to a part.
QByteArray VariedText(int lines) {
  QByteArray text;
  for (int i = 0; i < lines; ++i) text += "line " + QByteArray::number(i * 7919 % 10007) + " of the album list\n";
  return text;
}

}  // namespace

class TestPageText : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void getText_data();
  void getText();
  void inflate_data();
  void inflate();
  void inflateStopsAtAnInflationBomb();

 private:
  HttpSession session_{QString()};
};

void TestPageText::getText_data() {
  QTest::addColumn<QByteArrayList>("headers");
  QTest::addColumn<QByteArray>("body");
  QTest::addColumn<unsigned>("mode");
  QTest::addColumn<QByteArray>("start");
  QTest::addColumn<QByteArray>("end");
  QTest::addColumn<QString>("text");

  const QString chinese = QStringLiteral("<a>人人相册 &amp; 照片</a>");
  const QString decoded = QStringLiteral("<a>人人相册 & 照片</a>");
  const QByteArrayList gzipGbk{"Content-Type: text/html; charset=GBK", "Content-Encoding: gzip"};
  QTest::newRow("gzip GBK page") << gzipGbk << GzipCompress(Encoded("GBK", chinese)) << kPageTextMode << QByteArray()
                                 << QByteArray() << decoded;
  QTest::newRow("lower-case gbk is read as UTF-8")
      << QByteArrayList{"Content-Type: text/html; charset=gbk"} << chinese.toUtf8() << kPageTextMode << QByteArray()
      << QByteArray() << decoded;
  const QByteArray deflated = DeflateCompress("<p>hello</p>");
  QTest::newRow("deflate without gzip in the headers stays compressed")
      << QByteArrayList{"Content-Encoding: deflate"} << deflated << kPageTextMode << QByteArray() << QByteArray()
      << FromCodePage(deflated, CP_UTF8);
  QTest::newRow("gzip only in a Vary line still inflates")
      << QByteArrayList{"Vary: Accept-Encoding, gzip"} << GzipCompress("<p>hello</p>") << kPageTextMode << QByteArray()
      << QByteArray() << QStringLiteral("<p>hello</p>");
  QTest::newRow("entities in their order")
      << QByteArrayList{} << QByteArray("a &amp;lt; b &amp;quot; c&nbsp;&#39;") << kPageTextMode << QByteArray()
      << QByteArray() << QStringLiteral("a < b &quot; c '");
  QTest::newRow("markers after inflating")
      << QByteArrayList{"Content-Encoding: gzip"} << GzipCompress("x<li>old<li>new</li>more</li>") << kPageTextMode
      << QByteArray("<li>") << QByteArray("</li>") << QStringLiteral("new");
  QTest::newRow("plain page cut once, while streaming")
      << QByteArrayList{} << QByteArray("x<li>old<li>new</li>more</li>") << kPageTextMode << QByteArray("<li>")
      << QByteArray("</li>") << QStringLiteral("new");
  QTest::newRow("gzip kept compressed without the inflate bit")
      << QByteArrayList{"Content-Encoding: gzip"} << GzipCompress("abc") << unsigned(TEXT_UTF8) << QByteArray()
      << QByteArray() << FromCodePage(GzipCompress("abc"), CP_UTF8);
  QTest::newRow("UTF-8 text ends at a zero byte") << QByteArrayList{} << QByteArray("ab\0cd", 5) << kPageTextMode
                                                  << QByteArray() << QByteArray() << QStringLiteral("ab");
  const QByteArray gbkWithZero = Encoded("GBK", QStringLiteral("相")) + '\0' + Encoded("GBK", QStringLiteral("册"));
  const QByteArrayList gbk{"Content-Type: text/html; charset=GBK"};
  QTest::newRow("GBK text ends at a zero byte")
      << gbk << gbkWithZero << kPageTextMode << QByteArray() << QByteArray() << QStringLiteral("相");
  QTest::newRow("mode 32 reads past zero bytes")
      << gbk << gbkWithZero << unsigned(TEXT_GBK_ZEROS) << QByteArray() << QByteArray() << QStringLiteral("相册");
  QTest::newRow("mode 1 reads the ANSI code page")
      << QByteArrayList{"Content-Encoding: gzip"} << GzipCompress(Encoded("GBK", chinese)) << unsigned(TEXT_INFLATE)
      << QByteArray() << QByteArray() << decoded;
  QTest::newRow("mode 4 reads EUC-KR") << QByteArrayList{} << Encoded("EUC-KR", QStringLiteral("앨범"))
                                       << unsigned(TEXT_EUC_KR) << QByteArray() << QByteArray()
                                       << QStringLiteral("앨범");
  QTest::newRow("mode 8 reads BIG5") << QByteArrayList{} << Encoded("Big5", QStringLiteral("相簿"))
                                     << unsigned(TEXT_BIG5) << QByteArray() << QByteArray() << QStringLiteral("相簿");
  QTest::newRow("mode 16 with UTF-8 bytes")
      << QByteArrayList{} << chinese.toUtf8() << unsigned(TEXT_AUTO) << QByteArray() << QByteArray() << decoded;
  QTest::newRow("mode 16 with GBK bytes")
      << QByteArrayList{} << Encoded("GBK", chinese) << unsigned(TEXT_AUTO) << QByteArray() << QByteArray() << decoded;
  QTest::newRow("truncated gzip gives what inflated")
      << QByteArrayList{"Content-Encoding: gzip"} << GzipCompress("<p>hello</p>").chopped(8) << kPageTextMode
      << QByteArray() << QByteArray() << QStringLiteral("<p>hello</p>");
  QTest::newRow("empty body") << QByteArrayList{"Content-Encoding: gzip"} << QByteArray() << kPageTextMode
                              << QByteArray() << QByteArray() << QString();
}

void TestPageText::getText() {
  QFETCH(QByteArrayList, headers);
  QFETCH(QByteArray, body);
  QFETCH(unsigned, mode);
  QFETCH(QByteArray, start);
  QFETCH(QByteArray, end);
  QFETCH(QString, text);
  FixtureServer server;
  FixtureScript script;
  for (const QByteArray& line : headers) {
    const qsizetype colon = line.indexOf(':');
    script.headers.append({line.left(colon), line.mid(colon + 2)});
  }
  script.body = body;
  server.Serve("/page", script);
  UrlSource source(session_);
  UrlRequest request = tests::LenientRequest(server.Url("/page"));
  request.startMarker = start;
  request.endMarker = end;
  QVERIFY(source.Get(request, 0));
  QString result = QStringLiteral("stale");
  source.GetText(result, mode);
  QCOMPARE(result, text);
}

void TestPageText::inflate_data() {
  QTest::addColumn<QByteArray>("input");
  QTest::addColumn<bool>("complete");
  QTest::addColumn<QByteArray>("head");  // all that comes out when complete, else how it must begin
  const QByteArray page = VariedText(2000);
  const QByteArray gzip = GzipCompress(page);
  // A fault halfway through the stream leaves at least the first quarter.
  const QByteArray quarter = page.left(page.size() / 4);
  QTest::newRow("gzip stream") << gzip << true << page;
  QTest::newRow("zlib stream") << DeflateCompress(page) << true << page;
  QTest::newRow("trailing bytes after the end") << gzip + "garbage" << true << page;
  QTest::newRow("truncated gzip") << gzip.left(gzip.size() / 2) << false << quarter;
  QByteArray corrupt = gzip;
  for (qsizetype i = corrupt.size() / 2; i < corrupt.size() / 2 + 64; ++i) corrupt[i] = char(~corrupt[i]);
  QTest::newRow("corrupt gzip") << corrupt << false << quarter;
  QTest::newRow("not compressed at all") << QByteArray("<html>plain</html>") << false << QByteArray();
  QTest::newRow("empty") << QByteArray() << false << QByteArray();
}

void TestPageText::inflate() {
  QFETCH(QByteArray, input);
  QFETCH(bool, complete);
  QFETCH(QByteArray, head);
  QByteArray out = "kept:";
  QCOMPARE(Inflate(input, out), complete);
  QVERIFY(out.startsWith("kept:"));
  out.remove(0, 5);
  if (complete) {
    QVERIFY(out == head);
  } else {
    QVERIFY(out.startsWith(head));
  }
}

void TestPageText::inflateStopsAtAnInflationBomb() {
  const QByteArray bomb = GzipCompress(QByteArray(300 << 20, '\0'));
  QByteArray out;
  QVERIFY(!Inflate(bomb, out));
  QCOMPARE(out.size(), qsizetype(256) << 20);
}

namespace tests {
int RunPageTextTests(int argc, char** argv) {
  TestPageText test;
  return QTest::qExec(&test, argc, argv);
}
}  // namespace tests

}  // namespace lumvane

#include "TestPageText.moc"
