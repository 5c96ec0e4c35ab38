#pragma once

#include <cstdint>

#include "formats/picture/DecodePicture.h"

namespace vs {

// A frame of 32-bit pixels (0xXXRRGGBB), `stride` pixels from row to row.
struct Frame {
  std::uint32_t* pixels;
  int width, height, stride;
};

// The picture box's place on the form, in device pixels.
struct BoxPlace {
  int left = 0, top = 0, width = 0, height = 0;
};

// Black all over; with a picture, its shown part from the box's top-left
// corner, cut by the box and by the frame.
void PaintFrame(const Frame& frame, const DecodedPicture* picture, BoxPlace box);

}  // namespace vs
