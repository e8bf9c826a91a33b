#include "samplesite/Gzip.h"

#include <zlib.h>

namespace lumvane {

QByteArray GzipCompress(const QByteArray& data) {
  z_stream stream{};
  constexpr int kGzipWindowBits = 15 + 16;
  if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kGzipWindowBits, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    return QByteArray();
  }
  QByteArray out(static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(data.size())) + 32),
                 Qt::Uninitialized);
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&stream, Z_FINISH);
  out.resize(result == Z_STREAM_END ? static_cast<qsizetype>(stream.total_out) : 0);
  deflateEnd(&stream);
  return out;
}

}  // namespace lumvane
