#pragma once

#include <string>

namespace vs::bench {

// The screen the benchmarks decode for.
constexpr int kScreenWidth = 1920, kScreenHeight = 1080;

// Paths of the generated benchmark pictures.
struct BenchInputs {
  std::string screenJpeg;     // 1920 x 1080 baseline: the floor
  std::string jpeg24;         // 6000 x 4000 baseline
  std::string progressive24;  // 6000 x 4000 progressive
  // 6000 x 4000 baseline stored turned, with Exif orientation 3 (the
  // visible part is the stored bottom-right), 6 (bottom-left, a phone's
  // portrait photo) and 8 (top-right)
  std::string jpeg24Turned3, jpeg24Turned6, jpeg24Turned8;
  std::string progressive24Turned6;  // 6000 x 4000 progressive, Exif orientation 6
  std::string jpeg96;                // 12000 x 8000 baseline
  std::string bmp24;                 // 6000 x 4000, 24 bits, bottom-up
  std::string gif12;                 // 4000 x 3000
};

// Writes photo-like pictures (quality 90 for JPEG) into `directory`.
BenchInputs WriteBenchInputs(const std::string& directory);

}  // namespace vs::bench
