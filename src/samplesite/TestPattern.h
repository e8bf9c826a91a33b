#pragma once
// The pixels of a sample picture: a gradient, a few discs and the picture's
// number, all chosen by its seed, so that pictures look different and a
// person can tell them apart.

#include <QtGlobal>

#include "samplesite/RgbImage.h"

namespace lumvane {

RgbImage PaintTestPattern(quint64 seed, int width, int height, quint64 number);

}  // namespace lumvane
