#pragma once
// Compressed bodies, as servers send "Content-Encoding: gzip" and
// "Content-Encoding: deflate" responses.

#include <QByteArray>
#include <QByteArrayView>

namespace lumvane {

// gzip-wrapped deflate stream.
QByteArray GzipCompress(QByteArrayView data);
// zlib-wrapped deflate stream.
QByteArray DeflateCompress(QByteArrayView data);

}  // namespace lumvane
