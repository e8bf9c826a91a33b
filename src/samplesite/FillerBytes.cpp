#include "samplesite/FillerBytes.h"

namespace lumvane {

void AppendFiller(QByteArray& out, quint64 seed, qint64 count) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+-";
  const qsizetype start = out.size();
  out.resize(start + count);
  char* at = out.data() + start;
  // xorshift64*: cheap enough to fill hundreds of megabytes at start-up.
  quint64 state = seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull;
  if (state == 0) state = 1;
  qint64 left = count;
  while (left > 0) {
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    quint64 bits = state * 0x2545F4914F6CDD1Dull;
    for (int i = 0; i < 8 && left > 0; ++i, --left) {
      *at++ = kAlphabet[bits & 63];
      bits >>= 8;
    }
  }
}

}  // namespace lumvane
