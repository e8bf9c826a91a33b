#include "SampleSitePicturesTest.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTest>
#include <thread>

#include "PictureStructure.h"
#include "ReaderWalks.h"
#include "SiteClient.h"
#include "samplesite/GifEncoder.h"
#include "samplesite/JpegEncoder.h"
#include "samplesite/PictureFile.h"
#include "samplesite/PngEncoder.h"
#include "samplesite/SampleContentBuilder.h"
#include "samplesite/SampleHosts.h"
#include "samplesite/SampleSite.h"
#include "samplesite/TestPattern.h"

namespace lumvane {
namespace {

using namespace Qt::StringLiterals;

QByteArray ReaderFormat(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  return QImageReader(&buffer).format();
}

QString StructureProblem(PictureFormat format, const QByteArray& file) {
  switch (format) {
    case PictureFormat::Png:
      return PngStructureProblem(file);
    case PictureFormat::Gif:
      return GifStructureProblem(file);
    case PictureFormat::Jpeg:
      break;
  }
  return JpegStructureProblem(file);
}

// How far a decoded picture may stray from its pixels: JPEG loses a little,
// the GIF palette more.
double ErrorBound(PictureFormat format, int width) {
  if (format == PictureFormat::Png) return 0;
  if (format == PictureFormat::Gif) return 40;
  return width < 48 ? 12 : 8;
}

QByteArray FormatName(PictureFormat format) {
  return format == PictureFormat::Png ? "png" : format == PictureFormat::Gif ? "gif" : "jpeg";
}

// Mean difference per channel between a decoded picture and its pixels.
double MeanError(const QImage& decoded, const RgbImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const QRgb pixel = decoded.pixel(x, y);
      const std::uint8_t* rgb = image.Pixel(x, y);
      sum += std::abs(qRed(pixel) - rgb[0]) + std::abs(qGreen(pixel) - rgb[1]) + std::abs(qBlue(pixel) - rgb[2]);
    }
  }
  return sum / (3.0 * image.width * image.height);
}

std::vector<const SamplePicture*> AllPictures(const SampleSiteContent& content) {
  std::vector<const SamplePicture*> pictures;
  for (const SampleUser& user : content.users) {
    for (const SampleAlbum& album : user.albums) {
      pictures.push_back(&album.cover);
      for (const SamplePicture& picture : album.pictures) pictures.push_back(&picture);
    }
  }
  for (const ZhanSite& site : content.zhanSites) {
    for (const ZhanPost& post : site.posts) pictures.push_back(&post.picture);
  }
  return pictures;
}

}  // namespace

void SampleSitePicturesTest::encodersMakeDecodableFilesOfExactSize_data() {
  QTest::addColumn<int>("format");
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("height");
  QTest::addColumn<qint64>("extra");  // bytes asked for beyond the natural size
  const int jpeg = static_cast<int>(PictureFormat::Jpeg), png = static_cast<int>(PictureFormat::Png),
            gif = static_cast<int>(PictureFormat::Gif);
  // A comment segment holds at most 65533 bytes, a sub-block 255; the
  // natural file already holds the 33-byte label.
  constexpr qint64 kLabel = 33;
  QTest::newRow("jpeg natural") << jpeg << 160 << 120 << qint64{0};
  QTest::newRow("jpeg odd size") << jpeg << 37 << 23 << qint64{1};
  QTest::newRow("jpeg one segment full") << jpeg << 16 << 16 << qint64{65533 - kLabel};
  QTest::newRow("jpeg two segments") << jpeg << 16 << 16 << qint64{65533 - kLabel + 1};
  QTest::newRow("jpeg many segments") << jpeg << 320 << 240 << qint64{5 * 1024 * 1024 + 3};
  QTest::newRow("png natural") << png << 48 << 36 << qint64{0};
  QTest::newRow("png padded") << png << 96 << 72 << qint64{300000};
  QTest::newRow("gif natural") << gif << 16 << 16 << qint64{0};
  QTest::newRow("gif one more") << gif << 16 << 16 << qint64{1};
  QTest::newRow("gif one sub-block full") << gif << 160 << 120 << qint64{255 - kLabel};
  QTest::newRow("gif two sub-blocks") << gif << 160 << 120 << qint64{255 - kLabel + 1};
  QTest::newRow("gif padded") << gif << 640 << 480 << qint64{1000003};
}

void SampleSitePicturesTest::encodersMakeDecodableFilesOfExactSize() {
  QFETCH(int, format);
  QFETCH(int, width);
  QFETCH(int, height);
  QFETCH(qint64, extra);
  const PictureFormat pictureFormat = static_cast<PictureFormat>(format);
  const RgbImage image = PaintTestPattern(77, width, height, 123);
  const QByteArray text = "Lumvane sample picture 8000000077";  // 33 bytes, as the site's labels
  const QByteArray natural = EncodePicture(pictureFormat, image, {text, 77, 0});
  const qint64 size = natural.size() + extra;
  const QByteArray file = EncodePicture(pictureFormat, image, {text, 77, size});
  QCOMPARE(file.size(), size);
  QVERIFY(file.contains(text));
  QCOMPARE(EncodePicture(pictureFormat, image, {text, 77, size}), file);
  QCOMPARE(StructureProblem(pictureFormat, file), QString());
  QCOMPARE(ReaderFormat(file), FormatName(pictureFormat));
  const QImage decoded = QImage::fromData(file);
  QVERIFY(!decoded.isNull());
  QCOMPARE(decoded.size(), QSize(width, height));
  const double error = MeanError(decoded, image);
  QVERIFY2(error <= ErrorBound(pictureFormat, width), qPrintable(QString::number(error)));
}

void SampleSitePicturesTest::everyDemoPictureHasItsSizeAndDecodes() {
  SampleSite site(BuildSampleSiteContent());
  QSet<QByteArray> paths;
  QSet<QByteArray> bodies;
  const std::vector<const SamplePicture*> pictures = AllPictures(site.Content());
  for (const SamplePicture* picture : pictures) {
    const QByteArray& body = *site.PictureBody(*picture);
    QCOMPARE(body.size(), picture->size);
    QCOMPARE(StructureProblem(picture->format, body), QString());
    QCOMPARE(ReaderFormat(body), FormatName(picture->format));
    const QImage decoded = QImage::fromData(body);
    QVERIFY2(!decoded.isNull(), picture->Path().constData());
    QCOMPARE(decoded.size(), QSize(picture->width, picture->height));
    const RgbImage pixels = PaintTestPattern(picture->id, picture->width, picture->height, picture->id % 1000);
    QVERIFY(MeanError(decoded, pixels) <= ErrorBound(picture->format, picture->width));
    paths.insert(picture->Path());
    bodies.insert(body);
  }
  QCOMPARE(paths.size(), qsizetype(pictures.size()));
  QCOMPARE(bodies.size(), qsizetype(pictures.size()));
}

void SampleSitePicturesTest::servedBytesMatchTheModel() {
  SampleSite site(BuildSampleSiteContent());
  QVERIFY(site.Start());
  const SiteClient client(site.Port());
  int secondHost = 0, wrongExtension = 0;
  for (const SampleAlbum& album : site.Content().users.front().albums) {
    for (const SamplePicture& picture : album.pictures) {
      const QByteArray& expected = *site.PictureBody(picture);
      const FetchResult byName = client.Get(picture.Url());
      QCOMPARE(byName.status, 200L);
      QCOMPARE(byName.body, expected);
      secondHost += picture.host == kSecondPictureHost;
      if (picture.format != PictureFormat::Jpeg && picture.extension == ".jpg") {
        // Served by the address, as the site's servers did.
        ++wrongExtension;
        QVERIFY2(byName.headers.contains("Content-Type: image/jpeg"), byName.headers.constData());
      }
      QCOMPARE(client.Get(site.DirectUrl(picture)).body, expected);
    }
  }
  QVERIFY(secondHost > 0);
  QVERIFY(wrongExtension > 0);
  const SamplePicture& picture = site.Content().users.front().albums.front().pictures.front();
  const FetchResult head = client.Get(picture.Url(), {}, true);
  QCOMPARE(head.status, 200L);
  QVERIFY(head.body.isEmpty());
  QVERIFY(head.headers.contains(QByteArray("Content-Length: " + QByteArray::number(picture.size))));
}

void SampleSitePicturesTest::concurrentFirstRequestsShareOneBody() {
  SampleSite site(BuildSampleSiteContent({.demoContent = false, .syntheticAlbums = {{u"big"_s, 1, 3 * 1024 * 1024}}}));
  QVERIFY(site.Start());
  const SamplePicture& picture = site.Content().users.front().albums.front().pictures.front();
  std::vector<QByteArray> bodies(8);
  std::vector<std::thread> threads;
  for (QByteArray& body : bodies) {
    threads.emplace_back([&] { body = SiteClient(site.Port()).Get(picture.Url()).body; });
  }
  for (std::thread& thread : threads) thread.join();
  const HttpBody shared = site.PictureBody(picture);
  for (const QByteArray& body : bodies) QVERIFY(body == *shared);
  QVERIFY(site.PictureBody(picture).get() == shared.get());
}

void SampleSitePicturesTest::syntheticAlbumsAreListedAndServed() {
  const SampleSiteOptions options{
      .demoContent = false,
      .syntheticAlbums = {{u"bench-50k"_s, 45, 50 * 1024}, {u"bench-png"_s, 3, 20000, PictureFormat::Png}}};
  SampleSite site(BuildSampleSiteContent(options));
  QVERIFY(site.Start());
  const SiteClient client(site.Port());
  QString list = client.Page(u"http://photo.renren.com/photo/"_s + QString::number(kSyntheticUserId) +
                             u"/albumlist/v7?showAll=1#");
  const QStringList pieces = PiecesAfter(list, u"\"cover\""_s);
  QCOMPARE(pieces.size(), 2);
  for (int i = 0; i < 2; ++i) {
    const SyntheticAlbum& spec = options.syntheticAlbums[static_cast<size_t>(i)];
    qsizetype at = 0;
    QCOMPARE(UnescapeU(Between(pieces[i], u"albumName\":\""_s, u"\""_s, &at)), spec.name);
    const QString albumId = Between(pieces[i], u"albumId\":\""_s, u"\""_s, &at);
    QCOMPARE(albumId, QString::number(kFirstSyntheticAlbumId + static_cast<quint64>(i)));
    QCOMPARE(Between(pieces[i], u"photoCount\":"_s, u","_s, &at), QString::number(spec.pictureCount));
    const std::vector<WalkedPicture> pictures = WalkV7Pages(
        client, u"http://photo.renren.com/photo/"_s + QString::number(kSyntheticUserId) + u"/album-" + albumId + u'/');
    QCOMPARE(qsizetype(pictures.size()), qsizetype(spec.pictureCount));
    for (const WalkedPicture& picture : pictures) {
      const FetchResult result = client.Get(picture.url);
      QCOMPARE(result.body.size(), spec.pictureSize);
      QCOMPARE(ReaderFormat(result.body), FormatName(spec.format));
    }
  }
}

void SampleSitePicturesTest::programListsDirectAddresses() {
  QProcess program;
  program.start(QStringLiteral(LUMVANE_SAMPLESITE_PROGRAM),
                {u"--no-demo"_s, u"--synthetic"_s, u"tiny:3:2K"_s, u"--list-pictures"_s, u"tiny"_s});
  QVERIFY(program.waitForStarted());
  QStringList lines;
  while (!lines.contains(u"ready"_s) && program.waitForReadyRead(20000)) {
    while (program.canReadLine()) lines.append(QString::fromUtf8(program.readLine()).trimmed());
  }
  QVERIFY2(lines.contains(u"ready"_s),
           qPrintable(lines.join(u'\n') + QString::fromUtf8(program.readAllStandardError())));
  QVERIFY(lines.first().startsWith(u"port "));
  const quint16 port = lines.first().mid(5).toUShort();
  QVERIFY(lines.contains(u"connect-to photo.renren.com:80:127.0.0.1:" + QString::number(port)));
  const QStringList addresses = lines.filter(u"http://127.0.0.1:" + QString::number(port) + u'/');
  QCOMPARE(addresses.size(), 3);
  for (const QString& address : addresses) {
    const FetchResult result = SiteClient(port).Get(address);
    QCOMPARE(result.status, 200L);
    QCOMPARE(result.body.size(), 2048);
  }
  program.kill();
  program.waitForFinished();
}

}  // namespace lumvane
