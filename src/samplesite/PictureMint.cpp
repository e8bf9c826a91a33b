#include "samplesite/PictureMint.h"

namespace lumvane {
namespace {

QByteArray FormatExtension(PictureFormat format) {
  switch (format) {
    case PictureFormat::Png:
      return ".png";
    case PictureFormat::Gif:
      return ".gif";
    case PictureFormat::Jpeg:
      break;
  }
  return ".jpg";
}

// Pixel sizes whose files stay well below `size`, so that the padding can
// always bring them to it exactly.
void ChooseDimensions(qint64 size, int& width, int& height) {
  struct Step {
    qint64 below;
    int width, height;
  };
  static constexpr Step kSteps[] = {
      {1200, 16, 16}, {4096, 48, 36}, {16384, 96, 72}, {65536, 160, 120}, {524288, 320, 240}};
  for (const Step& step : kSteps) {
    if (size < step.below) {
      width = step.width;
      height = step.height;
      return;
    }
  }
  width = 640;
  height = 480;
}

QByteArray Directory(quint64 id) {
  auto twoDigits = [](quint64 n) { return QByteArray::number(n).rightJustified(2, '0'); };
  return "/fmn0" + QByteArray::number(50 + id % 30) + "/201412" + twoDigits(1 + id % 28) + '/' +
         twoDigits(8 + id % 12) + twoDigits(id % 60);
}

quint64 Mix(quint64 x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

}  // namespace

SamplePicture PictureMint::Make(const PictureSpec& spec) {
  SamplePicture picture;
  picture.id = next_++;
  picture.title = spec.title;
  picture.format = spec.format;
  picture.size = spec.size;
  ChooseDimensions(spec.size, picture.width, picture.height);
  picture.host = spec.host;
  picture.directory = Directory(picture.id);
  picture.sizeName = spec.sizeName;
  picture.extension = spec.extension.isEmpty() ? FormatExtension(spec.format) : spec.extension;
  return picture;
}

SamplePicture PictureMint::MakeCover(const QByteArray& host) {
  return Make({.size = SizeBetween(6000, 16000), .sizeName = "head_", .host = host});
}

qint64 PictureMint::SizeBetween(qint64 low, qint64 high) const {
  return low + static_cast<qint64>(Mix(next_) % static_cast<quint64>(high - low + 1));
}

}  // namespace lumvane
