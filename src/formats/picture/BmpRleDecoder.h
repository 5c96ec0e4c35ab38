#pragma once

#include "formats/io/PictureFile.h"
#include "formats/picture/BmpLayout.h"
#include "formats/picture/DecodePicture.h"

namespace vs {

// Run-length coded rows are stored bottom-up and cannot be seeked into, so
// the whole stream is read; only pixels inside the visible part are kept.
// Pixels the stream skips keep their colour in `picture`.
void DecodeBmpRle(const PictureFile& file, const BmpLayout& layout, DecodedPicture& picture);

}  // namespace vs
