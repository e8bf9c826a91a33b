#pragma once
// A small baseline JPEG encoder (JFIF, no subsampling, the standard
// quantisation and Huffman tables) for the sample site's pictures. Integer
// arithmetic only, so the same image always gives the same bytes.

#include <QByteArray>

#include "samplesite/PictureLabel.h"
#include "samplesite/RgbImage.h"

namespace lumvane {

// `quality` 1..100 scales the quantisation tables as usual. The label goes
// into comment segments, padded with filler up to the label's file size.
QByteArray EncodeJpeg(const RgbImage& image, int quality, const PictureLabel& label);

}  // namespace lumvane
