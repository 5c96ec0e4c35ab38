#include "formats/picture/BmpLayout.h"

#include <algorithm>
#include <string>

#include "formats/picture/PictureSupport.h"

namespace vs {

namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // OS/2 1.x: 16-bit sizes, 3-byte palette
constexpr std::uint32_t kOs2HeaderSize = 64;   // OS/2 2.x: compression 3 and 4 mean other things
constexpr std::uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3;

std::uint32_t U16(const unsigned char* p) { return p[0] | (p[1] << 8); }
std::uint32_t U32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
}
std::int32_t I32(const unsigned char* p) { return static_cast<std::int32_t>(U32(p)); }

bool KnownHeaderSize(std::uint32_t size) {
  return size == kCoreHeaderSize || size == 40 || size == 52 || size == 56 ||
         size == kOs2HeaderSize || size == 108 || size == 124;
}

void SetEncoding(BmpLayout& layout, std::uint32_t compression, std::uint32_t headerSize,
                 const std::string& path) {
  const int bits = layout.bitsPerPixel;
  const bool os2 = headerSize == kOs2HeaderSize;
  if (compression == kBiRgb &&
      (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32)) {
    if (bits == 16) layout.masks[0] = 0x7C00, layout.masks[1] = 0x03E0, layout.masks[2] = 0x001F;
    if (bits == 32) layout.masks[0] = 0xFF0000, layout.masks[1] = 0xFF00, layout.masks[2] = 0xFF;
    return;
  }
  if (compression == kBiBitfields && !os2 && (bits == 16 || bits == 32)) return;
  if (compression == kBiRle8 && bits == 8 && !layout.topDown) {
    layout.encoding = BmpEncoding::kRle8;
    return;
  }
  if (compression == kBiRle4 && bits == 4 && !layout.topDown) {
    layout.encoding = BmpEncoding::kRle4;
    return;
  }
  ThrowInvalidPicture(path, "uses an unsupported BMP variant (compression " +
                                std::to_string(compression) + ", " + std::to_string(bits) +
                                " bits per pixel)");
}

}  // namespace

BmpLayout ReadBmpLayout(const PictureFile& file) {
  const std::string& path = file.Path();
  unsigned char header[kFileHeaderSize + 124 + 12] = {};
  file.ReadAt(0, header, kFileHeaderSize + 4);
  const std::uint32_t headerSize = U32(header + kFileHeaderSize);
  if (!KnownHeaderSize(headerSize)) {
    ThrowInvalidPicture(
        path, "uses an unsupported BMP header (" + std::to_string(headerSize) + " bytes)");
  }
  const unsigned char* info = header + kFileHeaderSize;
  BmpLayout layout;
  layout.pixelOffset = U32(header + 10);
  std::int64_t width = 0, height = 0;
  std::uint32_t compression = kBiRgb, colorsUsed = 0;
  file.ReadAt(kFileHeaderSize, header + kFileHeaderSize, headerSize);
  if (headerSize == kCoreHeaderSize) {
    width = U16(info + 4);
    height = U16(info + 6);
    layout.bitsPerPixel = static_cast<int>(U16(info + 10));
  } else {
    width = I32(info + 4);
    height = I32(info + 8);
    layout.bitsPerPixel = static_cast<int>(U16(info + 14));
    compression = U32(info + 16);
    colorsUsed = U32(info + 32);
    // BI_BITFIELDS masks follow a 40-byte header and sit at the same place
    // inside the larger ones.
    if (compression == kBiBitfields && headerSize < 52) {
      file.ReadAt(kFileHeaderSize + headerSize, header + kFileHeaderSize + headerSize, 12);
    }
    layout.masks[0] = U32(info + 40), layout.masks[1] = U32(info + 44);
    layout.masks[2] = U32(info + 48);
  }
  layout.topDown = height < 0;
  if (height < 0) height = -height;
  CheckPictureSize(path, width, height);
  layout.width = static_cast<int>(width);
  layout.height = static_cast<int>(height);
  SetEncoding(layout, compression, headerSize, path);

  if (layout.bitsPerPixel <= 8) {
    const std::uint32_t entries = 1u << layout.bitsPerPixel;
    const std::uint32_t count = colorsUsed == 0 ? entries : std::min(colorsUsed, entries);
    const std::size_t entrySize = headerSize == kCoreHeaderSize ? 3 : 4;
    const std::uint64_t paletteOffset = kFileHeaderSize + headerSize;
    std::vector<unsigned char> bytes(count * entrySize);
    file.ReadAt(paletteOffset, bytes.data(), bytes.size());
    // Indexes beyond a short palette show black.
    layout.palette.assign(entries, OpaqueRgb(0, 0, 0));
    for (std::uint32_t i = 0; i < count; ++i) {
      const unsigned char* bgr = bytes.data() + i * entrySize;
      layout.palette[i] = OpaqueRgb(bgr[2], bgr[1], bgr[0]);
    }
  }

  if (layout.encoding == BmpEncoding::kPlain) {
    const auto rowBits =
        static_cast<std::uint64_t>(layout.width) * static_cast<std::uint64_t>(layout.bitsPerPixel);
    layout.rowStride = (rowBits + 31) / 32 * 4;
    // The size check above keeps these products far from overflowing. The
    // last row's padding may be missing; many writers drop it.
    const std::uint64_t lastRow = (rowBits + 7) / 8;
    const std::uint64_t end = layout.pixelOffset +
                              layout.rowStride * static_cast<std::uint64_t>(layout.height - 1) +
                              lastRow;
    if (end > file.Size()) ThrowInvalidPicture(path, "is truncated");
  }
  return layout;
}

}  // namespace vs
