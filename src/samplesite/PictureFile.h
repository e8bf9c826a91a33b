#pragma once
// The bytes of a sample picture's file: its test pattern in its format,
// labelled with its id and padded to its exact size.

#include <QByteArray>

#include "samplesite/SampleSiteContent.h"

namespace lumvane {

QByteArray MakePictureFile(const SamplePicture& picture);

}  // namespace lumvane
