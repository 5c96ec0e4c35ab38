#include "formats/picture/JpegLayout.h"

#include <algorithm>
#include <vector>

#include "formats/picture/ExifOrientation.h"

namespace vs {

namespace {

// Files with more markers than this before the frame are read as if upright
// and keep their own height.
constexpr int kMaxMarkersBeforeFrame = 1024;
constexpr unsigned kApp1 = 0xE1;

bool IsFrameHeader(unsigned code) {
  // SOF0-SOF15 less DHT (C4), JPG (C8) and DAC (CC).
  return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

int ReadOrientation(const PictureFile& file, std::uint64_t payloadAt, unsigned payloadSize) {
  std::vector<unsigned char> payload(payloadSize);
  payload.resize(file.ReadSomeAt(payloadAt, payload.data(), payload.size()));
  return ExifOrientation(payload.data(), payload.size());
}

}  // namespace

JpegLayout FindJpegLayout(const PictureFile& file) {
  JpegLayout layout;
  bool exifSeen = false;
  std::uint64_t at = 2;  // after the start-of-image marker
  for (int markers = 0; markers < kMaxMarkersBeforeFrame; ++markers) {
    unsigned char bytes[9];
    if (file.ReadSomeAt(at, bytes, sizeof bytes) != sizeof bytes || bytes[0] != 0xFF) break;
    const unsigned code = bytes[1];
    if (code == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (IsFrameHeader(code)) {
      layout.heightAt = at + 5;
      layout.height = bytes[5] << 8 | bytes[6];
      layout.width = bytes[7] << 8 | bytes[8];
      break;
    }
    if (code == 0xDA || code == 0xD9) break;  // a scan or the end before any frame
    const bool withoutLength = code == 0x01 || (code >= 0xD0 && code <= 0xD7);
    const unsigned length = withoutLength ? 0 : (static_cast<unsigned>(bytes[2]) << 8 | bytes[3]);
    // Only the first Exif segment counts; other APP1 segments (XMP) are not Exif.
    if (code == kApp1 && !exifSeen && length > 8 && std::equal(bytes + 4, bytes + 8, "Exif")) {
      exifSeen = true;
      layout.orientation = ReadOrientation(file, at + 4, length - 2);
    }
    at += withoutLength ? 2 : 2 + length;
  }
  return layout;
}

}  // namespace vs
