#pragma once
// The bytes of a sample picture's file: its test pattern in its format,
// labelled with its id and padded to its exact size.

#include <QByteArray>

#include "samplesite/PictureLabel.h"
#include "samplesite/RgbImage.h"
#include "samplesite/SampleSiteContent.h"

namespace lumvane {

QByteArray MakePictureFile(const SamplePicture& picture);
// `image` encoded in `format`, labelled and padded as `label` says.
QByteArray EncodePicture(PictureFormat format, const RgbImage& image, const PictureLabel& label);

}  // namespace lumvane
