#include "samplesite/PictureFile.h"

#include "samplesite/GifEncoder.h"
#include "samplesite/JpegEncoder.h"
#include "samplesite/PngEncoder.h"
#include "samplesite/TestPattern.h"

namespace lumvane {
namespace {

constexpr int kJpegQuality = 80;

}  // namespace

QByteArray MakePictureFile(const SamplePicture& picture) {
  const RgbImage image = PaintTestPattern(picture.id, picture.width, picture.height, picture.id % 1000);
  const PictureLabel label{"Lumvane sample picture " + QByteArray::number(picture.id), picture.id, picture.size};
  return EncodePicture(picture.format, image, label);
}

QByteArray EncodePicture(PictureFormat format, const RgbImage& image, const PictureLabel& label) {
  switch (format) {
    case PictureFormat::Png:
      return EncodePng(image, label);
    case PictureFormat::Gif:
      return EncodeGif(image, label);
    case PictureFormat::Jpeg:
      break;
  }
  return EncodeJpeg(image, kJpegQuality, label);
}

}  // namespace lumvane
