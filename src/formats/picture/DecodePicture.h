#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vs {

// The part of a picture that a screen-sized picture box can show: the box
// shows pictures unscaled from their top-left corner, so nothing beyond the
// top-left maxWidth x maxHeight pixels is ever decoded.
struct DecodedPicture {
  int width = 0, height = 0;                // natural size of the picture
  int visibleWidth = 0, visibleHeight = 0;  // min(width, maxWidth), min(height, maxHeight)
  std::vector<std::uint32_t> pixels;        // visibleWidth*visibleHeight, row-major, 0xFFRRGGBB
};

// Reads the file afresh; the format (BMP, JPEG or GIF) is chosen by the file's
// content, not its name. Throws RuntimeFailure with a readable description
// when the file cannot be read or decoded.
DecodedPicture DecodePictureFile(const std::string& path, int maxWidth, int maxHeight);

}  // namespace vs
