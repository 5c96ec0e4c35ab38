#pragma once

#include "formats/io/PictureFile.h"
#include "formats/picture/DecodePicture.h"

namespace vs {

// Each decodes the visible part of one format; maxWidth and maxHeight are >= 0.
DecodedPicture DecodeJpeg(const PictureFile& file, int maxWidth, int maxHeight);
DecodedPicture DecodeBmp(const PictureFile& file, int maxWidth, int maxHeight);
DecodedPicture DecodeGif(const PictureFile& file, int maxWidth, int maxHeight);

}  // namespace vs
