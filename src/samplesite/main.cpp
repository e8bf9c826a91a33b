// lumvane-samplesite: serves the sample site on a loopback port until killed.
// It prints the port, the host names to map to it, the direct addresses of
// the pictures of the albums asked for with --list-pictures, and "ready".

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <optional>

#include "samplesite/SampleContentBuilder.h"
#include "samplesite/SampleSite.h"

namespace lumvane {
namespace {

// "50K", "5M" or a plain number of bytes.
std::optional<qint64> ParseSize(QString text) {
  qint64 unit = 1;
  if (text.endsWith(u'K', Qt::CaseInsensitive)) unit = 1024;
  if (text.endsWith(u'M', Qt::CaseInsensitive)) unit = 1024 * 1024;
  if (unit != 1) text.chop(1);
  bool ok = false;
  const qint64 value = text.toLongLong(&ok);
  if (!ok || value < 0 || value > (qint64{1} << 40) / unit) return std::nullopt;
  return value * unit;
}

// NAME:COUNT:SIZE[:jpeg|png|gif]
std::optional<SyntheticAlbum> ParseSynthetic(const QString& text) {
  const QStringList parts = text.split(u':');
  if (parts.size() < 3 || parts.size() > 4 || parts[0].isEmpty()) return std::nullopt;
  bool ok = false;
  const int count = parts[1].toInt(&ok);
  const std::optional<qint64> size = ParseSize(parts[2]);
  if (!ok || count < 0 || count > 1000000 || !size) return std::nullopt;
  SyntheticAlbum album{parts[0], count, *size, PictureFormat::Jpeg};
  if (parts.size() == 4) {
    const QString format = parts[3].toLower();
    if (format == u"png") {
      album.format = PictureFormat::Png;
    } else if (format == u"gif") {
      album.format = PictureFormat::Gif;
    } else if (format != u"jpeg" && format != u"jpg") {
      return std::nullopt;
    }
  }
  return album;
}

std::optional<PageCompression> ParseCompression(const QString& text) {
  if (text == u"mixed") return PageCompression::AsContent;
  if (text == u"none") return PageCompression::None;
  if (text == u"all") return PageCompression::All;
  return std::nullopt;
}

// An album by its id or its name.
const SampleAlbum* FindAnyAlbum(const SampleSiteContent& content, const QString& key) {
  bool isId = false;
  const quint64 id = key.toULongLong(&isId);
  for (const SampleUser& user : content.users) {
    for (const SampleAlbum& album : user.albums) {
      if (isId ? album.id == id : album.name == key) return &album;
    }
  }
  return nullptr;
}

int Fail(QTextStream& err, const QString& message) {
  err << message << Qt::endl;
  return 1;
}

int Run(QCoreApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Serves the Lumvane sample site on 127.0.0.1."));
  parser.addHelpOption();
  const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port to listen on (0: any free one)."),
                                      QStringLiteral("N"), QStringLiteral("0"));
  const QCommandLineOption syntheticOption(
      QStringLiteral("synthetic"),
      QStringLiteral("Adds an album of COUNT pictures of SIZE bytes (K and M suffixes) to the synthetic user."),
      QStringLiteral("NAME:COUNT:SIZE[:jpeg|png|gif]"));
  const QCommandLineOption noDemoOption(QStringLiteral("no-demo"), QStringLiteral("Leaves out the demo content."));
  const QCommandLineOption compressionOption(
      QStringLiteral("compression"), QStringLiteral("Page compression: mixed (as each user has it), none, all."),
      QStringLiteral("MODE"), QStringLiteral("mixed"));
  const QCommandLineOption listOption(QStringLiteral("list-pictures"),
                                      QStringLiteral("Prints the direct picture addresses of an album (id or name)."),
                                      QStringLiteral("ALBUM"));
  parser.addOptions({portOption, syntheticOption, noDemoOption, compressionOption, listOption});
  parser.process(app);

  QTextStream out(stdout);
  QTextStream err(stderr);
  SampleSiteOptions options;
  options.demoContent = !parser.isSet(noDemoOption);
  for (const QString& text : parser.values(syntheticOption)) {
    const std::optional<SyntheticAlbum> album = ParseSynthetic(text);
    if (!album) return Fail(err, u"bad --synthetic value: " + text);
    options.syntheticAlbums.push_back(*album);
  }
  const std::optional<PageCompression> compression = ParseCompression(parser.value(compressionOption));
  if (!compression) return Fail(err, u"bad --compression value: " + parser.value(compressionOption));
  options.compression = *compression;
  bool portOk = false;
  const uint port = parser.value(portOption).toUInt(&portOk);
  if (!portOk || port > 65535) return Fail(err, u"bad --port value: " + parser.value(portOption));

  SampleSite site(BuildSampleSiteContent(options));
  std::vector<const SampleAlbum*> listed;
  for (const QString& key : parser.values(listOption)) {
    const SampleAlbum* album = FindAnyAlbum(site.Content(), key);
    if (!album) return Fail(err, u"no album " + key);
    listed.push_back(album);
  }
  site.PreparePictures();
  if (!site.Start(static_cast<quint16>(port))) return Fail(err, u"cannot listen on port " + QString::number(port));

  out << "port " << site.Port() << Qt::endl;
  QStringList hosts;
  for (const QByteArray& host : SampleSite::HostNames()) hosts.append(QString::fromLatin1(host));
  out << "hosts " << hosts.join(u' ') << Qt::endl;
  for (const QString& mapping : site.ConnectToMappings()) out << "connect-to " << mapping << Qt::endl;
  for (const SampleAlbum* album : listed) {
    for (const SamplePicture& picture : album->pictures) out << site.DirectUrl(picture) << '\n';
  }
  out << "ready" << Qt::endl;
  return app.exec();
}

}  // namespace
}  // namespace lumvane

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("lumvane-samplesite"));
  return lumvane::Run(app);
}
