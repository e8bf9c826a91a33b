#pragma once
// gzip-wrapped deflate, as a server sends "Content-Encoding: gzip" bodies.

#include <QByteArray>

namespace lumvane {

QByteArray GzipCompress(const QByteArray& data);

}  // namespace lumvane
