#pragma once
// GIF89a (one frame, a fixed 256-colour palette, LZW) for the sample site's
// pictures. The label goes into comment extensions, padded with filler up to
// the label's file size.

#include <QByteArray>

#include "samplesite/PictureLabel.h"
#include "samplesite/RgbImage.h"

namespace lumvane {

QByteArray EncodeGif(const RgbImage& image, const PictureLabel& label);

}  // namespace lumvane
