#pragma once

#include "samples/SampleFiles.h"
#include "samples/SamplePixels.h"

namespace vs::samples {

struct JpegOptions {
  int quality = 90;
  bool progressive = false;
  bool grayscale = false;
  bool arithmetic = false;
  // Luma sampling factors: 2x2 is 4:2:0, 2x1 is 4:2:2, 1x1 is 4:4:4.
  int lumaH = 2, lumaV = 2;
};

Bytes EncodeJpeg(int width, int height, const RowSource& rows, const JpegOptions& options);

// Adobe-style (inverted) CMYK of one flat colour, stored as YCCK.
Bytes EncodeFlatCmykJpeg(int width, int height, std::uint8_t c, std::uint8_t m, std::uint8_t y,
                         std::uint8_t k);

// What an ordinary viewer does: every row of every column, no cropping.
Pixels DecodeJpegFully(const Bytes& jpeg, int& width, int& height);

}  // namespace vs::samples
