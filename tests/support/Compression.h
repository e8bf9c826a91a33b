#pragma once
// Compressed bodies for the tests' scripted responses.

#include <QByteArray>
#include <QByteArrayView>

namespace lumvane {

// gzip-wrapped deflate stream ("Content-Encoding: gzip").
QByteArray GzipBytes(QByteArrayView data);
// zlib-wrapped deflate stream ("Content-Encoding: deflate").
QByteArray DeflateBytes(QByteArrayView data);

}  // namespace lumvane
