#pragma once
// Pixels of a generated picture: 8-bit red, green and blue, row after row.

#include <cstdint>
#include <vector>

namespace lumvane {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width × height × 3

  const std::uint8_t* Pixel(int x, int y) const { return &pixels[(static_cast<size_t>(y) * width + x) * 3]; }
  std::uint8_t* Pixel(int x, int y) { return &pixels[(static_cast<size_t>(y) * width + x) * 3]; }
};

}  // namespace lumvane
