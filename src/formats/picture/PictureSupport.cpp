#include "formats/picture/PictureSupport.h"

#include <algorithm>

#include "core/RuntimeFailure.h"

namespace vs {

void ThrowInvalidPicture(const std::string& path, const std::string& problem) {
  throw RuntimeFailure("Invalid picture: " + path + " " + problem);
}

void CheckPictureSize(const std::string& path, std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0) ThrowInvalidPicture(path, "has no pixels");
  if (width > kMaxPicturePixels / height) {
    ThrowInvalidPicture(path, "is too large (" + std::to_string(width) + " x " +
                                  std::to_string(height) + " pixels)");
  }
}

DecodedPicture NewVisiblePart(int width, int height, int maxWidth, int maxHeight,
                              std::uint32_t fill) {
  DecodedPicture picture;
  picture.width = width;
  picture.height = height;
  picture.visibleWidth = std::clamp(maxWidth, 0, width);
  picture.visibleHeight = std::clamp(maxHeight, 0, height);
  picture.pixels.assign(static_cast<std::size_t>(picture.visibleWidth) *
                            static_cast<std::size_t>(picture.visibleHeight),
                        fill);
  return picture;
}

}  // namespace vs
