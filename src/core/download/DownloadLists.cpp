#include "download/DownloadLists.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include "download/DownloadBatch.h"
#include "download/PictureNaming.h"
#include "platform/Clock.h"
#include "platform/FileTimes.h"
#include "platform/HiddenFile.h"
#include "text/CodePage.h"

namespace lumvane {
namespace {

const QString kMarkerName = QStringLiteral("pic.orv");
constexpr qint64 kOneMinute = 60;

// The extension the first bytes of a picture show, or empty.
QString ExtensionOfContent(const unsigned char b[7]) {
  if (b[0] == 0xFF && b[1] == 0xD8) return QStringLiteral(".jpg");
  if (b[0] == 0x89 && b[1] == 0x50) return QStringLiteral(".png");
  if (b[0] == 0x47 && b[1] == 0x49 && b[2] == 0x46) return QStringLiteral(".gif");
  if (b[0] == 0x42 && b[1] == 0x4D) return QStringLiteral(".bmp");
  if (b[0] == 0 && b[1] == 0 && (b[2] == 0x02 || b[2] == 0x10) && b[3] == 0 && b[4] == 0) return QStringLiteral(".tga");
  if (b[0] == 0 && b[1] == 0 && b[2] == 1 && b[3] == 0 && b[4] == 1) return QStringLiteral(".ico");
  if (b[0] == 0 && b[1] == 0 && b[2] == 2 && b[3] == 0 && b[4] == 1) return QStringLiteral(".cur");
  if ((b[0] == 0x4D && b[1] == 0x4D) || (b[0] == 0x49 && b[1] == 0x49)) return QStringLiteral(".tiff");
  return {};
}

}  // namespace

bool WriteUrlList(const DownloadBatch& batch, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  for (const QString& url : batch.Urls()) file.write(ToGbk(url + u"\r\n"));
  return true;
}

void WriteDownloadMarker(const QString& address, const QString& folder) {
  const QString path = folder + HiddenFileName(kMarkerName);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  file.write(ToUtf16Le(address));
  file.close();
  MarkHidden(path);
}

QString ReadDownloadMarker(const QString& folder) {
  // A marker left by a download on another system may carry the plain name.
  for (const QString& name : {HiddenFileName(kMarkerName), kMarkerName}) {
    QFile file(folder + name);
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QByteArray bytes = file.readAll();
    QString marker(bytes.size() / 2, Qt::Uninitialized);
    qFromLittleEndian<char16_t>(bytes.constData(), marker.size(), marker.data());
    const qsizetype lineEnd = marker.indexOf(u'\n');
    if (lineEnd >= 0) marker.truncate(lineEnd);
    return marker;
  }
  return {};
}

QString DetectPictureType(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return path;
  unsigned char head[7] = {};
  file.read(reinterpret_cast<char*>(head), sizeof head);
  file.close();
  const QString ext = ExtensionOfContent(head);
  if (ext.isEmpty()) return path;
  // Only a dot of the file's own name starts its extension.
  const qsizetype nameStart = path.size() - QFileInfo(path).fileName().size();
  const qsizetype dot = path.lastIndexOf(u'.');
  const QString stem = dot >= nameStart ? path.left(dot) : path;
  const QString renamed = stem + ext;
  if (renamed == path) return path;
  // QFile::rename never replaces an existing file: a taken name keeps the
  // picture under its old one.
  return QFile::rename(path, renamed) ? renamed : path;
}

void FixPictureFormats(DownloadBatch& batch) {
  for (int i = 0; i < batch.Count(); ++i) {
    const QString path = PicturePath(batch.folder, batch.Names()[i]);
    const QString fixed = DetectPictureType(path);
    if (fixed == path) continue;
    batch.SetName(i, QFileInfo(batch.Names()[i]).isAbsolute() ? fixed : QFileInfo(fixed).fileName());
  }
}

void FixPictureOrder(const DownloadBatch& batch) {
  qint64 t = NowUtcSeconds();
  for (const QString& name : batch.Names()) {
    SetPathTimes(PicturePath(batch.folder, name), t, false);
    t -= kOneMinute;
  }
}

}  // namespace lumvane
