#include "samplesite/PngEncoder.h"

#include <zlib.h>

#include <algorithm>

#include "samplesite/FillerBytes.h"

namespace lumvane {
namespace {

constexpr qint64 kChunkOverhead = 12;  // length, type, CRC
const QByteArray kCommentKeyword("Comment\0", 8);

void PutUint32(QByteArray& out, quint32 value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.append(static_cast<char>((value >> shift) & 0xFF));
}

void PutChunk(QByteArray& out, const char (&type)[5], const QByteArray& data) {
  PutUint32(out, static_cast<quint32>(data.size()));
  const qsizetype typeAt = out.size();
  out.append(type, 4);
  out += data;
  const uLong crc =
      crc32(0, reinterpret_cast<const Bytef*>(out.constData() + typeAt), static_cast<uInt>(data.size() + 4));
  PutUint32(out, static_cast<quint32>(crc));
}

// Rows with the "Sub" filter, which suits the smooth test patterns.
QByteArray FilteredRows(const RgbImage& image) {
  const qsizetype stride = qsizetype{image.width} * 3;
  QByteArray rows;
  rows.reserve((stride + 1) * image.height);
  for (int y = 0; y < image.height; ++y) {
    rows.append('\x01');
    const std::uint8_t* row = image.Pixel(0, y);
    for (qsizetype i = 0; i < stride; ++i) {
      const int left = i >= 3 ? row[i - 3] : 0;
      rows.append(static_cast<char>((row[i] - left) & 0xFF));
    }
  }
  return rows;
}

QByteArray Compress(const QByteArray& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
  compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.constData()),
            static_cast<uLong>(data.size()), 9);
  out.resize(static_cast<qsizetype>(size));
  return out;
}

}  // namespace

QByteArray EncodePng(const RgbImage& image, const PictureLabel& label) {
  QByteArray header;
  PutUint32(header, static_cast<quint32>(image.width));
  PutUint32(header, static_cast<quint32>(image.height));
  header.append("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no interlace
  const QByteArray pixels = Compress(FilteredRows(image));

  constexpr qint64 kSignature = 8;
  // Everything but the comment's text: signature and four chunks.
  const qint64 frame = kSignature + 4 * kChunkOverhead + header.size() + pixels.size();
  QByteArray comment = kCommentKeyword;
  comment += label.text;
  AppendFiller(comment, label.fillerSeed, std::max<qint64>(0, label.fileSize - frame - comment.size()));

  QByteArray file("\x89PNG\r\n\x1a\n", 8);
  file.reserve(frame + comment.size());
  PutChunk(file, "IHDR", header);
  PutChunk(file, "tEXt", comment);
  PutChunk(file, "IDAT", pixels);
  PutChunk(file, "IEND", QByteArray());
  return file;
}

}  // namespace lumvane
