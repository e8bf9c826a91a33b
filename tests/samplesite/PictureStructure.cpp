#include "PictureStructure.h"

#include <zlib.h>

namespace lumvane {
namespace {

int Byte(const QByteArray& file, qsizetype at) { return static_cast<unsigned char>(file[at]); }

quint32 BigEndian32(const QByteArray& file, qsizetype at) {
  return (quint32(Byte(file, at)) << 24) | (quint32(Byte(file, at + 1)) << 16) | (quint32(Byte(file, at + 2)) << 8) |
         quint32(Byte(file, at + 3));
}

}  // namespace

QString JpegStructureProblem(const QByteArray& file) {
  if (!file.startsWith("\xFF\xD8")) return QStringLiteral("no start of image");
  qsizetype at = 2;
  for (;;) {
    if (at + 4 > file.size() || Byte(file, at) != 0xFF) return u"no marker at " + QString::number(at);
    const int marker = Byte(file, at + 1);
    const int length = (Byte(file, at + 2) << 8) | Byte(file, at + 3);
    if (length < 2 || at + 2 + length > file.size()) return u"bad segment length at " + QString::number(at);
    at += 2 + length;
    if (marker == 0xDA) break;
  }
  // Entropy-coded data: 0xFF only as stuffed 0xFF 0x00, until the end marker.
  for (; at + 1 < file.size(); ++at) {
    if (Byte(file, at) != 0xFF) continue;
    if (Byte(file, at + 1) == 0x00) {
      ++at;
      continue;
    }
    if (Byte(file, at + 1) == 0xD9 && at + 2 == file.size()) return QString();
    return u"unexpected marker in the scan at " + QString::number(at);
  }
  return QStringLiteral("no end of image");
}

QString PngStructureProblem(const QByteArray& file) {
  if (!file.startsWith("\x89PNG\r\n\x1a\n")) return QStringLiteral("no signature");
  qsizetype at = 8;
  while (at + 12 <= file.size()) {
    const qsizetype length = BigEndian32(file, at);
    if (at + 12 + length > file.size()) return u"chunk past the end at " + QString::number(at);
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(file.constData() + at + 4), uInt(length + 4));
    if (crc != BigEndian32(file, at + 8 + length)) return u"bad CRC at " + QString::number(at);
    const QByteArray type = file.mid(at + 4, 4);
    at += 12 + length;
    if (type == "IEND") return at == file.size() ? QString() : QStringLiteral("bytes after IEND");
  }
  return QStringLiteral("no IEND");
}

QString GifStructureProblem(const QByteArray& file) {
  if (!file.startsWith("GIF89a") || file.size() < 13) return QStringLiteral("no header");
  qsizetype at = 13;
  if (Byte(file, 10) & 0x80) at += 3 * (qsizetype{2} << (Byte(file, 10) & 7));
  const auto skipSubBlocks = [&]() {
    while (at < file.size() && Byte(file, at) != 0) at += 1 + Byte(file, at);
    return at++ < file.size();
  };
  while (at < file.size()) {
    const int introducer = Byte(file, at);
    if (introducer == 0x3B) return at + 1 == file.size() ? QString() : QStringLiteral("bytes after the trailer");
    if (introducer == 0x21) {
      at += 2;
    } else if (introducer == 0x2C) {
      if (at + 10 > file.size()) return QStringLiteral("short image descriptor");
      const int packed = Byte(file, at + 9);
      at += 10;
      if (packed & 0x80) at += 3 * (qsizetype{2} << (packed & 7));
      ++at;  // LZW code size
    } else {
      return u"unknown block at " + QString::number(at);
    }
    if (!skipSubBlocks()) return QStringLiteral("sub-blocks past the end");
  }
  return QStringLiteral("no trailer");
}

}  // namespace lumvane
