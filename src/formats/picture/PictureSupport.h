#pragma once

#include <cstdint>
#include <string>

#include "formats/picture/DecodePicture.h"

namespace vs {

// No header is trusted beyond this: a gigapixel is ten times a modern
// camera's photo, and far more than any screen shows.
constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 30;

// Throws RuntimeFailure "Invalid picture: <path> <problem>".
[[noreturn]] void ThrowInvalidPicture(const std::string& path, const std::string& problem);

// Refuses empty, negative and oversized natural sizes.
void CheckPictureSize(const std::string& path, std::int64_t width, std::int64_t height);

// The picture's visible part, every pixel set to `fill`.
DecodedPicture NewVisiblePart(int width, int height, int maxWidth, int maxHeight,
                              std::uint32_t fill);

constexpr std::uint32_t OpaqueRgb(unsigned red, unsigned green, unsigned blue) {
  return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

}  // namespace vs
