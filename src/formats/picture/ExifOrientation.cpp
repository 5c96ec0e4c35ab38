#include "formats/picture/ExifOrientation.h"

#include <cstdint>
#include <cstring>

namespace vs {

namespace {

constexpr std::size_t kExifHeaderSize = 6;  // "Exif\0\0"
constexpr unsigned kOrientationTag = 0x0112;
constexpr unsigned kShortType = 3;
constexpr std::size_t kEntrySize = 12;

// Reads the TIFF structure after the Exif header in either byte order; every
// read is checked against its end.
class TiffReader {
 public:
  TiffReader(const unsigned char* data, std::size_t size, bool bigEndian)
      : data_(data), size_(size), bigEndian_(bigEndian) {}

  bool Fits(std::uint64_t at, std::uint64_t count) const {
    return at <= size_ && count <= size_ - at;
  }
  unsigned U16(std::size_t at) const {
    return bigEndian_ ? (data_[at] << 8 | data_[at + 1]) : (data_[at + 1] << 8 | data_[at]);
  }
  std::uint32_t U32(std::size_t at) const {
    return bigEndian_ ? (std::uint32_t{U16(at)} << 16 | U16(at + 2))
                      : (std::uint32_t{U16(at + 2)} << 16 | U16(at));
  }

 private:
  const unsigned char* data_;
  std::size_t size_;
  bool bigEndian_;
};

}  // namespace

int ExifOrientation(const unsigned char* payload, std::size_t size) {
  if (size < kExifHeaderSize + 8 || std::memcmp(payload, "Exif\0\0", kExifHeaderSize) != 0) {
    return 1;
  }
  const unsigned char* tiff = payload + kExifHeaderSize;
  const std::size_t tiffSize = size - kExifHeaderSize;
  const bool bigEndian = std::memcmp(tiff, "MM", 2) == 0;
  if (!bigEndian && std::memcmp(tiff, "II", 2) != 0) return 1;
  const TiffReader reader(tiff, tiffSize, bigEndian);
  if (reader.U16(2) != 42) return 1;
  const std::uint64_t ifd = reader.U32(4);
  if (!reader.Fits(ifd, 2)) return 1;
  const unsigned entries = reader.U16(ifd);
  for (unsigned i = 0; i < entries; ++i) {
    const std::uint64_t entry = ifd + 2 + std::uint64_t{i} * kEntrySize;
    if (!reader.Fits(entry, kEntrySize)) return 1;
    if (reader.U16(entry) != kOrientationTag) continue;
    if (reader.U16(entry + 2) != kShortType || reader.U32(entry + 4) != 1) return 1;
    const unsigned orientation = reader.U16(entry + 8);
    return orientation >= 1 && orientation <= 8 ? static_cast<int>(orientation) : 1;
  }
  return 1;
}

}  // namespace vs
