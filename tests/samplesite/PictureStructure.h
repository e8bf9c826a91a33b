#pragma once
// Walks a JPEG, PNG or GIF file block by block, as a strict reader would,
// so that a file that decoders merely tolerate still counts as broken.

#include <QByteArray>
#include <QString>

namespace lumvane {

// Empty when every segment, chunk or block is where its lengths say and the
// file ends with its end marker; else what is wrong.
QString JpegStructureProblem(const QByteArray& file);
QString PngStructureProblem(const QByteArray& file);
QString GifStructureProblem(const QByteArray& file);

}  // namespace lumvane
