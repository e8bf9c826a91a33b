#pragma once
// PNG (8-bit RGB, zlib) for the sample site's pictures. The label goes into
// a tEXt "Comment" chunk, padded with filler up to the label's file size.

#include <QByteArray>

#include "samplesite/PictureLabel.h"
#include "samplesite/RgbImage.h"

namespace lumvane {

QByteArray EncodePng(const RgbImage& image, const PictureLabel& label);

}  // namespace lumvane
