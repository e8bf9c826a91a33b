#include "samplesite/Gzip.h"

#include <zlib.h>

namespace lumvane {
namespace {

QByteArray Compress(QByteArrayView data, int windowBits) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY) != Z_OK) return {};
  QByteArray out(static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(data.size()))) + 32,
                 Qt::Uninitialized);
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&stream, Z_FINISH);
  out.resize(result == Z_STREAM_END ? static_cast<qsizetype>(stream.total_out) : 0);
  deflateEnd(&stream);
  return out;
}

}  // namespace

QByteArray GzipCompress(QByteArrayView data) { return Compress(data, 15 + 16); }

QByteArray DeflateCompress(QByteArrayView data) { return Compress(data, 15); }

}  // namespace lumvane
