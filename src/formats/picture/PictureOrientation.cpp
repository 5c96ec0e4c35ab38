#include "formats/picture/PictureOrientation.h"

#include <algorithm>
#include <cstddef>

namespace vs {

PictureOrientation OrientationFromExif(int exifOrientation) {
  switch (exifOrientation) {
    case 2:
      return {true, false, false};
    case 3:
      return {true, true, false};
    case 4:
      return {false, true, false};
    case 5:
      return {false, false, true};
    case 6:
      return {false, true, true};  // a phone held upright: the stored left is the top
    case 7:
      return {true, true, true};
    case 8:
      return {true, false, true};
    default:
      return {};
  }
}

StoredRegion StoredRegionOf(const PictureOrientation& orientation, int storedWidth,
                            int storedHeight, int maxWidth, int maxHeight) {
  StoredRegion region;
  if (orientation.swapsSides) {
    region.width = std::clamp(maxHeight, 0, storedWidth);
    region.height = std::clamp(maxWidth, 0, storedHeight);
  } else {
    region.width = std::clamp(maxWidth, 0, storedWidth);
    region.height = std::clamp(maxHeight, 0, storedHeight);
  }
  if (orientation.fromRight) region.left = storedWidth - region.width;
  if (orientation.fromBottom) region.top = storedHeight - region.height;
  return region;
}

void PlaceStoredRow(const PictureOrientation& orientation, const std::uint32_t* row, int y,
                    DecodedPicture& upright) {
  const auto stride = static_cast<std::ptrdiff_t>(upright.visibleWidth);
  const int width = orientation.swapsSides ? upright.visibleHeight : upright.visibleWidth;
  const int height = orientation.swapsSides ? upright.visibleWidth : upright.visibleHeight;
  const int line = orientation.fromBottom ? height - 1 - y : y;
  // Where the row's first pixel goes and how far each next pixel moves.
  std::ptrdiff_t at = orientation.swapsSides ? line : line * stride;
  std::ptrdiff_t step = orientation.swapsSides ? stride : 1;
  if (orientation.fromRight) {
    at += (width - 1) * step;
    step = -step;
  }
  std::uint32_t* out = upright.pixels.data();
  if (step == 1) {
    std::copy(row, row + width, out + at);
    return;
  }
  for (int x = 0; x < width; ++x, at += step) out[at] = row[x];
}

}  // namespace vs
