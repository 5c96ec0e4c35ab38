#pragma once

#include <cstddef>
#include <utility>
#include <vector>

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
  // 2-8 add an Exif segment (big-endian) with that orientation.
  int exifOrientation = 1;
  // More than 0: only the first `scans` scans are kept, as when the rest of a
  // progressive file was never written.
  int scans = 0;
};

Bytes EncodeJpeg(int width, int height, const RowSource& rows, const JpegOptions& options);

// Where each scan of a libjpeg-written file starts (its SOS marker) and where
// its data ends (the next marker other than a restart marker).
std::vector<std::pair<std::size_t, std::size_t>> JpegScans(const Bytes& jpeg);

// `jpeg` with an APP1 segment holding "Exif\0\0" and `tiff` after its start marker.
Bytes WithExif(const Bytes& jpeg, const Bytes& tiff);

// `jpeg` with an Exif segment (big-endian) that holds only `orientation`, 1-8.
Bytes WithExifOrientation(const Bytes& jpeg, int orientation);

// Sets the frame size in the SOF marker of a libjpeg-written file.
Bytes WithFrameSize(Bytes jpeg, int width, int height);

// The markers of `jpeg` before its first scan, then `scans` scans of no data
// (its first scan's header each time), then the end.
Bytes WithEmptyScans(const Bytes& jpeg, int scans);

// Adobe-style (inverted) CMYK of one flat colour, stored as YCCK.
Bytes EncodeFlatCmykJpeg(int width, int height, std::uint8_t c, std::uint8_t m, std::uint8_t y,
                         std::uint8_t k);

// What an ordinary viewer does: every row of every column, no cropping.
Pixels DecodeJpegFully(const Bytes& jpeg, int& width, int& height);

}  // namespace vs::samples
