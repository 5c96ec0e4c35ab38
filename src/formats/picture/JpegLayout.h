#pragma once

#include <cstdint>

#include "formats/io/PictureFile.h"

namespace vs {

// What the markers before a JPEG file's first scan say about its picture.
struct JpegLayout {
  std::uint64_t heightAt = 0;  // file offset of the frame's height; 0 when no frame comes first
  int width = 0, height = 0;   // the frame's size
  int orientation = 1;         // the Exif orientation, 1-8
};

JpegLayout FindJpegLayout(const PictureFile& file);

}  // namespace vs
