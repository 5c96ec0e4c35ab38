#pragma once

#include "samples/SampleFiles.h"
#include "samples/SamplePixels.h"

namespace vs::samples {

struct GifFrame {
  int left = 0, top = 0, width = 0, height = 0;
  std::vector<std::uint8_t> indexes;  // width x height, row-major
  bool interlaced = false;
  int transparent = -1;  // colour index, or -1
};

struct GifSource {
  int width = 0, height = 0;  // logical screen
  int background = 0;
  Pixels palette;  // 256 colours
  std::vector<GifFrame> frames;
};

// A 256-colour palette and a frame of photo-like indexes.
Pixels GifPalette();
GifFrame GifPhotoFrame(int left, int top, int width, int height, unsigned seed);

// The logical screen after the first frame: the background colour, with
// the frame's opaque pixels drawn over it.
Pixels FirstFrameColours(const GifSource& source);

Bytes EncodeGif(const GifSource& source);

}  // namespace vs::samples
