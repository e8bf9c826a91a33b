#include "samplesite/JpegEncoder.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "samplesite/FillerBytes.h"

namespace lumvane {
namespace {

constexpr int kZigzag[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
                             41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
                             30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

constexpr int kLuminanceQuant[64] = {16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
                                     14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
                                     18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
                                     49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};

constexpr int kChrominanceQuant[64] = {17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
                                       24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
                                       99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
                                       99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

// DCT basis, (1/2)·C(u)·cos((2x+1)uπ/16) scaled by 2^13.
constexpr int kDctShift = 13;
constexpr int kDct[8][8] = {
    {2896, 2896, 2896, 2896, 2896, 2896, 2896, 2896},     {4017, 3406, 2276, 799, -799, -2276, -3406, -4017},
    {3784, 1567, -1567, -3784, -3784, -1567, 1567, 3784}, {3406, -799, -4017, -2276, 2276, 4017, 799, -3406},
    {2896, -2896, -2896, 2896, 2896, -2896, -2896, 2896}, {2276, -4017, 799, 3406, -3406, -799, 4017, -2276},
    {1567, -3784, 3784, -1567, -1567, 3784, -3784, 1567}, {799, -2276, 3406, -4017, 4017, -3406, 2276, -799},
};

struct HuffmanTable {
  std::uint8_t counts[16];
  std::vector<std::uint8_t> values;
};

const HuffmanTable kDcLuminance{{0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0},
                                {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};
const HuffmanTable kDcChrominance{{0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0},
                                  {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};
const HuffmanTable kAcLuminance{
    {0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d},
    {0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61, 0x07, 0x22, 0x71,
     0x14, 0x32, 0x81, 0x91, 0xa1, 0x08, 0x23, 0x42, 0xb1, 0xc1, 0x15, 0x52, 0xd1, 0xf0, 0x24, 0x33, 0x62, 0x72,
     0x82, 0x09, 0x0a, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x34, 0x35, 0x36, 0x37,
     0x38, 0x39, 0x3a, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59,
     0x5a, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a, 0x83,
     0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9a, 0xa2, 0xa3,
     0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3,
     0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xe1, 0xe2,
     0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8, 0xe9, 0xea, 0xf1, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa}};
const HuffmanTable kAcChrominance{
    {0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77},
    {0x00, 0x01, 0x02, 0x03, 0x11, 0x04, 0x05, 0x21, 0x31, 0x06, 0x12, 0x41, 0x51, 0x07, 0x61, 0x71, 0x13, 0x22,
     0x32, 0x81, 0x08, 0x14, 0x42, 0x91, 0xa1, 0xb1, 0xc1, 0x09, 0x23, 0x33, 0x52, 0xf0, 0x15, 0x62, 0x72, 0xd1,
     0x0a, 0x16, 0x24, 0x34, 0xe1, 0x25, 0xf1, 0x17, 0x18, 0x19, 0x1a, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x35, 0x36,
     0x37, 0x38, 0x39, 0x3a, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58,
     0x59, 0x5a, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a,
     0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9a,
     0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba,
     0xc2, 0xc3, 0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda,
     0xe2, 0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8, 0xe9, 0xea, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa}};

// Code and length of every symbol, derived from the table as a decoder does.
struct HuffmanCodes {
  std::array<std::uint16_t, 256> code{};
  std::array<std::uint8_t, 256> length{};
};

HuffmanCodes BuildCodes(const HuffmanTable& spec) {
  HuffmanCodes codes;
  std::uint16_t code = 0;
  size_t k = 0;
  for (int bits = 1; bits <= 16; ++bits) {
    for (int i = 0; i < spec.counts[bits - 1]; ++i, ++k) {
      codes.code[spec.values[k]] = code++;
      codes.length[spec.values[k]] = static_cast<std::uint8_t>(bits);
    }
    code <<= 1;
  }
  return codes;
}

class BitWriter {
 public:
  explicit BitWriter(QByteArray& out) : out_(out) {}
  void Put(std::uint32_t bits, int count) {
    for (int i = count - 1; i >= 0; --i) {
      byte_ = static_cast<std::uint8_t>((byte_ << 1) | ((bits >> i) & 1));
      if (++filled_ == 8) Flush();
    }
  }
  // Pads the last byte with one bits, as a decoder expects.
  void Finish() {
    while (filled_ != 0) Put(1, 1);
  }

 private:
  void Flush() {
    out_.append(static_cast<char>(byte_));
    if (byte_ == 0xFF) out_.append('\0');  // byte stuffing
    byte_ = 0;
    filled_ = 0;
  }
  QByteArray& out_;
  std::uint8_t byte_ = 0;
  int filled_ = 0;
};

void PutWord(QByteArray& out, int value) {
  out.append(static_cast<char>((value >> 8) & 0xFF));
  out.append(static_cast<char>(value & 0xFF));
}

void PutMarker(QByteArray& out, std::uint8_t marker) {
  out.append(static_cast<char>(0xFF));
  out.append(static_cast<char>(marker));
}

std::array<int, 64> ScaledQuant(const int (&base)[64], int quality) {
  quality = std::clamp(quality, 1, 100);
  const int scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
  std::array<int, 64> table{};
  for (int i = 0; i < 64; ++i) table[i] = std::clamp((base[i] * scale + 50) / 100, 1, 255);
  return table;
}

int Category(int value) {
  int magnitude = value < 0 ? -value : value;
  int bits = 0;
  while (magnitude) {
    ++bits;
    magnitude >>= 1;
  }
  return bits;
}

// The low `category` bits of a coefficient as JPEG writes them: negative
// values are stored as value − 1.
std::uint32_t ValueBits(int value, int category) {
  return static_cast<std::uint32_t>(value < 0 ? value + (1 << category) - 1 : value);
}

std::int64_t RoundedShift(std::int64_t value, int shift) {
  const std::int64_t half = std::int64_t{1} << (shift - 1);
  return value >= 0 ? (value + half) >> shift : -((-value + half) >> shift);
}

int RoundedDivide(int value, int divisor) {
  return value >= 0 ? (value + divisor / 2) / divisor : -((-value + divisor / 2) / divisor);
}

// Forward DCT of one 8×8 block (samples already level-shifted) and
// quantisation, result in natural order.
void TransformBlock(const int (&samples)[64], const std::array<int, 64>& quant, int (&out)[64]) {
  std::int64_t rows[64];
  for (int y = 0; y < 8; ++y) {
    for (int u = 0; u < 8; ++u) {
      std::int64_t sum = 0;
      for (int x = 0; x < 8; ++x) sum += std::int64_t{kDct[u][x]} * samples[y * 8 + x];
      rows[y * 8 + u] = sum;
    }
  }
  for (int v = 0; v < 8; ++v) {
    for (int u = 0; u < 8; ++u) {
      std::int64_t sum = 0;
      for (int y = 0; y < 8; ++y) sum += std::int64_t{kDct[v][y]} * rows[y * 8 + u];
      const int coefficient = static_cast<int>(RoundedShift(sum, 2 * kDctShift));
      out[v * 8 + u] = RoundedDivide(coefficient, quant[v * 8 + u]);
    }
  }
}

struct Component {
  std::array<int, 64> quant;
  const HuffmanCodes* dc;
  const HuffmanCodes* ac;
  int previousDc = 0;
};

void EncodeBlock(BitWriter& bits, Component& component, const int (&coefficients)[64]) {
  const int diff = coefficients[0] - component.previousDc;
  component.previousDc = coefficients[0];
  const int dcCategory = Category(diff);
  bits.Put(component.dc->code[dcCategory], component.dc->length[dcCategory]);
  if (dcCategory) bits.Put(ValueBits(diff, dcCategory), dcCategory);
  int run = 0;
  for (int k = 1; k < 64; ++k) {
    const int value = coefficients[kZigzag[k]];
    if (value == 0) {
      ++run;
      continue;
    }
    while (run > 15) {
      bits.Put(component.ac->code[0xF0], component.ac->length[0xF0]);
      run -= 16;
    }
    const int category = Category(value);
    const int symbol = (run << 4) | category;
    bits.Put(component.ac->code[symbol], component.ac->length[symbol]);
    bits.Put(ValueBits(value, category), category);
    run = 0;
  }
  if (run > 0) bits.Put(component.ac->code[0x00], component.ac->length[0x00]);
}

void WriteHuffmanTable(QByteArray& out, int tableClassAndId, const HuffmanTable& spec) {
  out.append(static_cast<char>(tableClassAndId));
  for (std::uint8_t count : spec.counts) out.append(static_cast<char>(count));
  for (std::uint8_t value : spec.values) out.append(static_cast<char>(value));
}

// Comment segments holding the label and filler; together `total` bytes
// when that is enough for the label, else just the label.
void WriteComments(QByteArray& out, const PictureLabel& label, qint64 total) {
  constexpr qint64 kSegmentOverhead = 4;  // marker and length
  constexpr qint64 kMaxData = 65533;
  qint64 segments = std::max<qint64>(1, (total + kMaxData + kSegmentOverhead - 1) / (kMaxData + kSegmentOverhead));
  qint64 data = total - segments * kSegmentOverhead;
  if (data < label.text.size()) {
    segments = 1;
    data = label.text.size();
  }
  QByteArray payload = label.text;
  AppendFiller(payload, label.fillerSeed, data - label.text.size());
  qint64 offset = 0;
  for (qint64 i = 0; i < segments; ++i) {
    const qint64 length = data / segments + (i < data % segments ? 1 : 0);
    PutMarker(out, 0xFE);
    PutWord(out, static_cast<int>(length + 2));
    out.append(payload.constData() + offset, length);
    offset += length;
  }
}

}  // namespace

QByteArray EncodeJpeg(const RgbImage& image, int quality, const PictureLabel& label) {
  static const HuffmanCodes dcLuminance = BuildCodes(kDcLuminance);
  static const HuffmanCodes acLuminance = BuildCodes(kAcLuminance);
  static const HuffmanCodes dcChrominance = BuildCodes(kDcChrominance);
  static const HuffmanCodes acChrominance = BuildCodes(kAcChrominance);
  Component components[3] = {{ScaledQuant(kLuminanceQuant, quality), &dcLuminance, &acLuminance},
                             {ScaledQuant(kChrominanceQuant, quality), &dcChrominance, &acChrominance},
                             {ScaledQuant(kChrominanceQuant, quality), &dcChrominance, &acChrominance}};

  QByteArray head;
  PutMarker(head, 0xD8);
  PutMarker(head, 0xE0);  // JFIF 1.01, no density, no thumbnail
  PutWord(head, 16);
  head.append("JFIF\0\x01\x01\x00\x00\x01\x00\x01\x00\x00", 14);

  QByteArray tables;
  PutMarker(tables, 0xDB);
  PutWord(tables, 2 + 2 * 65);
  for (int id = 0; id < 2; ++id) {
    tables.append(static_cast<char>(id));
    for (int k = 0; k < 64; ++k) tables.append(static_cast<char>(components[id].quant[kZigzag[k]]));
  }
  PutMarker(tables, 0xC0);
  PutWord(tables, 17);
  tables.append('\x08');
  PutWord(tables, image.height);
  PutWord(tables, image.width);
  tables.append('\x03');
  tables.append("\x01\x11\x00\x02\x11\x01\x03\x11\x01", 9);
  PutMarker(tables, 0xC4);
  const int huffmanLength = 2 + 4 * 17 +
                            static_cast<int>(kDcLuminance.values.size() + kAcLuminance.values.size() +
                                             kDcChrominance.values.size() + kAcChrominance.values.size());
  PutWord(tables, huffmanLength);
  WriteHuffmanTable(tables, 0x00, kDcLuminance);
  WriteHuffmanTable(tables, 0x10, kAcLuminance);
  WriteHuffmanTable(tables, 0x01, kDcChrominance);
  WriteHuffmanTable(tables, 0x11, kAcChrominance);
  PutMarker(tables, 0xDA);
  PutWord(tables, 12);
  tables.append("\x03\x01\x00\x02\x11\x03\x11\x00\x3f\x00", 10);

  QByteArray scan;
  BitWriter bits(scan);
  int planes[3][64];
  int coefficients[64];
  for (int by = 0; by < image.height; by += 8) {
    for (int bx = 0; bx < image.width; bx += 8) {
      for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
          // Edges are repeated into the padding of partial blocks.
          const std::uint8_t* rgb = image.Pixel(std::min(bx + x, image.width - 1), std::min(by + y, image.height - 1));
          const int r = rgb[0], g = rgb[1], b = rgb[2];
          planes[0][y * 8 + x] = ((77 * r + 150 * g + 29 * b) >> 8) - 128;
          planes[1][y * 8 + x] = ((-43 * r - 85 * g + 128 * b) >> 8);
          planes[2][y * 8 + x] = ((128 * r - 107 * g - 21 * b) >> 8);
        }
      }
      for (int c = 0; c < 3; ++c) {
        TransformBlock(planes[c], components[c].quant, coefficients);
        EncodeBlock(bits, components[c], coefficients);
      }
    }
  }
  bits.Finish();

  constexpr qint64 kEndMarker = 2;
  const qint64 natural = head.size() + tables.size() + scan.size() + kEndMarker;
  QByteArray file;
  file.reserve(std::max(label.fileSize, natural + label.text.size() + 4));
  file += head;
  WriteComments(file, label, label.fileSize - natural);
  file += tables;
  file += scan;
  PutMarker(file, 0xD9);
  return file;
}

}  // namespace lumvane
