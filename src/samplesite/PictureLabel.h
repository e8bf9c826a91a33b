#pragma once
// What a generated picture file carries besides its pixels: a text naming
// it, and filler that brings the file to an exact size.

#include <QByteArray>
#include <QtGlobal>

namespace lumvane {

struct PictureLabel {
  QByteArray text;         // kept in the file's comment
  quint64 fillerSeed = 0;  // makes the filler of each picture its own
  qint64 fileSize = 0;     // wanted size; a smaller one gives the natural size
};

}  // namespace lumvane
