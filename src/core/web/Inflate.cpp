#include "web/Inflate.h"

#include <zlib.h>

#include <algorithm>

namespace lumvane {
namespace {

constexpr int kAutoHeaderWindowBits = 47;  // 32 KB window, gzip or zlib header
constexpr qsizetype kStep = 8192;
constexpr qsizetype kInputPiece = qsizetype(1) << 30;  // avail_in is 32-bit
// A page body is at most 64 MiB; a stream that inflates past this is a bomb.
constexpr qsizetype kMaxInflated = qsizetype(256) << 20;

}  // namespace

bool Inflate(QByteArrayView bytes, QByteArray& out) {
  z_stream stream{};
  if (inflateInit2(&stream, kAutoHeaderWindowBits) != Z_OK) return false;
  const char* next = bytes.data();
  qsizetype left = bytes.size();
  const qsizetype outLimit = out.size() + kMaxInflated;
  bool complete = false;
  for (;;) {
    if (stream.avail_in == 0 && left > 0) {
      const qsizetype piece = std::min(left, kInputPiece);
      stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(next));
      stream.avail_in = static_cast<uInt>(piece);
      next += piece;
      left -= piece;
    }
    if (out.size() >= outLimit) break;
    const qsizetype used = out.size();
    out.resize(used + kStep);
    stream.next_out = reinterpret_cast<Bytef*>(out.data() + used);
    stream.avail_out = static_cast<uInt>(kStep);
    const int result = inflate(&stream, Z_NO_FLUSH);
    out.resize(used + kStep - stream.avail_out);
    if (result == Z_STREAM_END) {
      complete = true;
      break;
    }
    if (result != Z_OK) break;
  }
  inflateEnd(&stream);
  return complete;
}

}  // namespace lumvane
