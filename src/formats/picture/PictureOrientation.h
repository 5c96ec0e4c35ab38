#pragma once

#include <cstdint>

#include "formats/picture/DecodePicture.h"

namespace vs {

// How a stored picture becomes upright, from an Exif orientation 1-8.
struct PictureOrientation {
  bool fromRight = false;   // the upright picture's first column or row is the stored right side
  bool fromBottom = false;  // ... the stored bottom
  bool swapsSides = false;  // stored rows become upright columns (orientations 5-8)
};

PictureOrientation OrientationFromExif(int exifOrientation);

// A rectangle of the stored picture.
struct StoredRegion {
  int left = 0, top = 0, width = 0, height = 0;
};

// The stored pixels that a maxWidth x maxHeight screen shows of the upright
// picture (its top-left part), for a stored picture storedWidth x storedHeight.
StoredRegion StoredRegionOf(const PictureOrientation& orientation, int storedWidth,
                            int storedHeight, int maxWidth, int maxHeight);

// Writes row `y` (counted from the region's top) of the stored region, whose
// pixels start at `row`, to where they belong in `upright`'s visible part.
void PlaceStoredRow(const PictureOrientation& orientation, const std::uint32_t* row, int y,
                    DecodedPicture& upright);

}  // namespace vs
