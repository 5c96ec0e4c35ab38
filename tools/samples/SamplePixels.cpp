#include "samples/SamplePixels.h"

#include <algorithm>
#include <cstring>

namespace vs::samples {

namespace {

unsigned Clamp8(int value) { return static_cast<unsigned>(std::clamp(value, 0, 255)); }

}  // namespace

RowSource PhotoRows(int width, int height, unsigned seed) {
  return [width, height, seed](int y, std::uint32_t* row) {
    std::uint32_t noise = seed * 2654435761u + static_cast<std::uint32_t>(y) * 40503u + 1u;
    for (int x = 0; x < width; ++x) {
      noise ^= noise << 13, noise ^= noise >> 17, noise ^= noise << 5;
      const int grain = static_cast<int>(noise & 31) - 16;
      const int r = x * 255 / std::max(width - 1, 1) + grain;
      const int g = y * 255 / std::max(height - 1, 1) + grain;
      const int b = ((x + y) * 3 % 256) / 2 + 64 + grain;
      row[x] = 0xFF000000u | (Clamp8(r) << 16) | (Clamp8(g) << 8) | Clamp8(b);
    }
  };
}

Pixels PhotoPixels(int width, int height, unsigned seed) {
  Pixels pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  const RowSource rows = PhotoRows(width, height, seed);
  for (int y = 0; y < height; ++y) rows(y, pixels.data() + static_cast<std::size_t>(y) * width);
  return pixels;
}

RowSource RowsOf(const Pixels& pixels, int width) {
  return [&pixels, width](int y, std::uint32_t* row) {
    std::memcpy(row, pixels.data() + static_cast<std::size_t>(y) * width,
                static_cast<std::size_t>(width) * sizeof(std::uint32_t));
  };
}

Pixels TopLeft(const Pixels& pixels, int stride, int width, int height) {
  Pixels part;
  part.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const auto begin = pixels.begin() + static_cast<std::ptrdiff_t>(y) * stride;
    part.insert(part.end(), begin, begin + width);
  }
  return part;
}

}  // namespace vs::samples
