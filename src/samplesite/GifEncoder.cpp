#include "samplesite/GifEncoder.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "samplesite/FillerBytes.h"

namespace lumvane {
namespace {

constexpr int kMinimumCodeSize = 8;
constexpr int kClearCode = 1 << kMinimumCodeSize;
constexpr int kEndCode = kClearCode + 1;
constexpr int kMaxCodes = 4096;
constexpr qint64 kMaxSubBlock = 255;

void PutWord(QByteArray& out, int value) {
  out.append(static_cast<char>(value & 0xFF));
  out.append(static_cast<char>((value >> 8) & 0xFF));
}

// 3 bits of red, 3 of green, 2 of blue.
std::uint8_t PaletteIndex(const std::uint8_t* rgb) {
  return static_cast<std::uint8_t>((rgb[0] & 0xE0) | ((rgb[1] & 0xE0) >> 3) | (rgb[2] >> 6));
}

void AppendPalette(QByteArray& out) {
  for (int i = 0; i < 256; ++i) {
    out.append(static_cast<char>((i & 0xE0) | 0x10));
    out.append(static_cast<char>(((i << 3) & 0xE0) | 0x10));
    out.append(static_cast<char>(((i << 6) & 0xC0) | 0x20));
  }
}

class CodeWriter {
 public:
  void Put(int code, int size) {
    buffer_ |= static_cast<quint32>(code) << filled_;
    filled_ += size;
    while (filled_ >= 8) {
      bytes_.append(static_cast<char>(buffer_ & 0xFF));
      buffer_ >>= 8;
      filled_ -= 8;
    }
  }
  QByteArray Finish() {
    if (filled_ > 0) bytes_.append(static_cast<char>(buffer_ & 0xFF));
    return bytes_;
  }

 private:
  QByteArray bytes_;
  quint32 buffer_ = 0;
  int filled_ = 0;
};

QByteArray LzwCompress(const std::vector<std::uint8_t>& indices) {
  CodeWriter writer;
  std::unordered_map<quint32, int> table;
  int codeSize = kMinimumCodeSize + 1;
  int next = kEndCode + 1;
  writer.Put(kClearCode, codeSize);
  int prefix = indices.empty() ? 0 : indices[0];
  for (size_t i = 1; i < indices.size(); ++i) {
    const quint32 key = (static_cast<quint32>(prefix) << 8) | indices[i];
    const auto found = table.find(key);
    if (found != table.end()) {
      prefix = found->second;
      continue;
    }
    writer.Put(prefix, codeSize);
    if (next < kMaxCodes) {
      table.emplace(key, next++);
      // The decoder adds its entries one code later, so it widens its
      // codes once the entry just added needs the wider size.
      if (next > (1 << codeSize) && codeSize < 12) ++codeSize;
    } else {
      writer.Put(kClearCode, codeSize);
      table.clear();
      codeSize = kMinimumCodeSize + 1;
      next = kEndCode + 1;
    }
    prefix = indices[i];
  }
  if (!indices.empty()) writer.Put(prefix, codeSize);
  writer.Put(kEndCode, codeSize);
  return writer.Finish();
}

void AppendSubBlocks(QByteArray& out, const QByteArray& data, qint64 blocks) {
  qint64 offset = 0;
  for (qint64 i = 0; i < blocks; ++i) {
    const qint64 length = data.size() / blocks + (i < data.size() % blocks ? 1 : 0);
    out.append(static_cast<char>(length));
    out.append(data.constData() + offset, length);
    offset += length;
  }
  out.append('\0');
}

// One comment extension of `total` bytes when that is enough for the label,
// else one holding just the label.
void AppendComment(QByteArray& out, const PictureLabel& label, qint64 total) {
  constexpr qint64 kFrame = 3;  // introducer, label byte, terminator
  // Each sub-block costs one length byte; blocks of up to 255 bytes are
  // spread evenly so that every total is reachable.
  qint64 blocks = std::max<qint64>(1, (total - kFrame + kMaxSubBlock) / (kMaxSubBlock + 1));
  qint64 data = total - kFrame - blocks;
  if (data < label.text.size() || data < blocks) {
    data = label.text.size();
    blocks = std::max<qint64>(1, (data + kMaxSubBlock - 1) / kMaxSubBlock);
  }
  QByteArray text = label.text;
  AppendFiller(text, label.fillerSeed, data - label.text.size());
  out.append("\x21\xFE", 2);
  AppendSubBlocks(out, text, blocks);
}

}  // namespace

QByteArray EncodeGif(const RgbImage& image, const PictureLabel& label) {
  std::vector<std::uint8_t> indices;
  indices.reserve(static_cast<size_t>(image.width) * image.height);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) indices.push_back(PaletteIndex(image.Pixel(x, y)));
  }
  QByteArray head("GIF89a", 6);
  PutWord(head, image.width);
  PutWord(head, image.height);
  head.append("\xF7\x00\x00", 3);  // global palette of 256 colours
  AppendPalette(head);

  QByteArray frame("\x2C\x00\x00\x00\x00", 5);
  PutWord(frame, image.width);
  PutWord(frame, image.height);
  frame.append('\0');
  frame.append(static_cast<char>(kMinimumCodeSize));
  const QByteArray codes = LzwCompress(indices);
  AppendSubBlocks(frame, codes, std::max<qint64>(1, (codes.size() + kMaxSubBlock - 1) / kMaxSubBlock));
  constexpr qint64 kTrailer = 1;

  QByteArray file;
  file.reserve(std::max(label.fileSize, head.size() + frame.size() + kTrailer + label.text.size() + 8));
  file += head;
  AppendComment(file, label, label.fileSize - head.size() - frame.size() - kTrailer);
  file += frame;
  file.append('\x3B');
  return file;
}

}  // namespace lumvane
