#pragma once

#include "samples/SampleFiles.h"
#include "samples/SamplePixels.h"

namespace vs::samples {

enum class BmpHeader { kInfo, kV5, kCore };
enum class BmpCoding { kPlain, kBitfields, kRle };

struct BmpOptions {
  int bitsPerPixel = 24;
  BmpHeader header = BmpHeader::kInfo;
  BmpCoding coding = BmpCoding::kPlain;
  bool topDown = false;
};

// A picture in BMP terms: for up to 8 bits per pixel `indexes` into
// `palette`, otherwise `colours`.
struct BmpSource {
  int width = 0, height = 0;
  Pixels colours;
  std::vector<std::uint8_t> indexes;
  Pixels palette;
};

// A photo-like picture; palettized with 2^bits colours when bits <= 8.
BmpSource BmpPhoto(int width, int height, int bitsPerPixel, unsigned seed);

// What a correct decoder shows for the source, after the encoding's losses
// (16-bit colour keeps 5 or 6 bits per channel).
Pixels ExpectedBmpColours(const BmpSource& source, const BmpOptions& options);

Bytes EncodeBmp(const BmpSource& source, const BmpOptions& options);

}  // namespace vs::samples
