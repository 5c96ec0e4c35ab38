#pragma once

#include <cstdint>
#include <vector>

#include "formats/io/PictureFile.h"

namespace vs {

enum class BmpEncoding { kPlain, kRle8, kRle4 };

// Where and how a BMP file stores its pixels.
struct BmpLayout {
  int width = 0, height = 0;
  bool topDown = false;
  int bitsPerPixel = 0;
  BmpEncoding encoding = BmpEncoding::kPlain;
  std::uint32_t masks[3] = {};         // red, green, blue; 16 and 32 bits per pixel
  std::vector<std::uint32_t> palette;  // 0xFFRRGGBB; up to 8 bits per pixel
  std::uint64_t pixelOffset = 0;
  std::uint64_t rowStride = 0;  // plain rows only
};

// Reads the headers and the palette. Throws RuntimeFailure for variants it
// does not know and for pixel data that the file is too short to hold.
BmpLayout ReadBmpLayout(const PictureFile& file);

}  // namespace vs
