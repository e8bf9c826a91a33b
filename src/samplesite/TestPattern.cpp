#include "samplesite/TestPattern.h"

#include <QByteArray>
#include <algorithm>
#include <array>

namespace lumvane {
namespace {

struct Rgb {
  int r, g, b;
};

// 3×5 digits, one row per 3-bit group from the top.
constexpr std::array<std::array<int, 5>, 10> kDigits = {{{7, 5, 5, 5, 7},
                                                         {2, 6, 2, 2, 7},
                                                         {7, 1, 7, 4, 7},
                                                         {7, 1, 7, 1, 7},
                                                         {5, 5, 7, 1, 1},
                                                         {7, 4, 7, 1, 7},
                                                         {7, 4, 7, 5, 7},
                                                         {7, 1, 2, 2, 2},
                                                         {7, 5, 7, 5, 7},
                                                         {7, 5, 7, 1, 7}}};

class Random {
 public:
  explicit Random(quint64 seed) : state_(seed * 0x9E3779B97F4A7C15ull | 1) {}
  int Next(int bound) {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<int>((state_ >> 33) % static_cast<quint64>(bound));
  }

 private:
  quint64 state_;
};

Rgb RandomColour(Random& random) { return {40 + random.Next(200), 40 + random.Next(200), 40 + random.Next(200)}; }

void Put(RgbImage& image, int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
  std::uint8_t* p = image.Pixel(x, y);
  p[0] = static_cast<std::uint8_t>(colour.r);
  p[1] = static_cast<std::uint8_t>(colour.g);
  p[2] = static_cast<std::uint8_t>(colour.b);
}

void PaintGradient(RgbImage& image, Rgb from, Rgb to) {
  const int span = std::max(1, image.width + image.height - 2);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const int t = x + y;
      Put(image, x, y,
          {from.r + (to.r - from.r) * t / span, from.g + (to.g - from.g) * t / span,
           from.b + (to.b - from.b) * t / span});
    }
  }
}

void PaintDisc(RgbImage& image, int cx, int cy, int radius, Rgb colour) {
  for (int y = cy - radius; y <= cy + radius; ++y) {
    for (int x = cx - radius; x <= cx + radius; ++x) {
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius) Put(image, x, y, colour);
    }
  }
}

void PaintNumber(RgbImage& image, quint64 number) {
  const QByteArray digits = QByteArray::number(number);
  const int cell = std::max(1, std::min(image.height / 14, image.width / (4 * static_cast<int>(digits.size()) + 2)));
  const int left = cell, top = image.height - 6 * cell;
  for (qsizetype d = 0; d < digits.size(); ++d) {
    const auto& rows = kDigits[digits[d] - '0'];
    for (int row = 0; row < 5; ++row) {
      for (int column = 0; column < 3; ++column) {
        if (!(rows[row] & (4 >> column))) continue;
        const int x0 = left + (static_cast<int>(d) * 4 + column) * cell, y0 = top + row * cell;
        for (int y = y0; y < y0 + cell; ++y) {
          for (int x = x0; x < x0 + cell; ++x) Put(image, x, y, {250, 250, 250});
        }
      }
    }
  }
}

}  // namespace

RgbImage PaintTestPattern(quint64 seed, int width, int height, quint64 number) {
  RgbImage image;
  image.width = width;
  image.height = height;
  image.pixels.assign(static_cast<size_t>(width) * height * 3, 0);
  Random random(seed);
  const Rgb from = RandomColour(random);
  const Rgb to = RandomColour(random);
  PaintGradient(image, from, to);
  const int size = std::max(1, std::min(width, height));
  for (int i = 0; i < 3; ++i) {
    const Rgb colour = RandomColour(random);
    PaintDisc(image, random.Next(width), random.Next(height), 1 + size / 8 + random.Next(size / 4 + 1), colour);
  }
  PaintNumber(image, number);
  return image;
}

}  // namespace lumvane
