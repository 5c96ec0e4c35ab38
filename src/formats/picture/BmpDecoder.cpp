#include <vector>

#include "formats/picture/BmpLayout.h"
#include "formats/picture/BmpRleDecoder.h"
#include "formats/picture/FormatDecoders.h"
#include "formats/picture/PictureSupport.h"

namespace vs {

namespace {

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits.
class Channel {
 public:
  explicit Channel(std::uint32_t mask)
      : mask_(mask), shift_(mask == 0 ? 0 : __builtin_ctz(mask)), max_(mask >> shift_) {}
  unsigned operator()(std::uint32_t pixel) const {
    if (max_ == 0) return 0;
    return static_cast<unsigned>(std::uint64_t{(pixel & mask_) >> shift_} * 255 / max_);
  }

 private:
  std::uint32_t mask_;
  int shift_;
  std::uint32_t max_;
};

class RowConverter {
 public:
  explicit RowConverter(const BmpLayout& layout)
      : layout_(layout), red_(layout.masks[0]), green_(layout.masks[1]), blue_(layout.masks[2]) {}

  void Convert(const unsigned char* in, std::uint32_t* out, int count) const {
    switch (layout_.bitsPerPixel) {
      case 24:
        for (int x = 0; x < count; ++x, in += 3) out[x] = OpaqueRgb(in[2], in[1], in[0]);
        return;
      case 32:
        if (IsPlainBgrx()) {
          for (int x = 0; x < count; ++x, in += 4) out[x] = OpaqueRgb(in[2], in[1], in[0]);
          return;
        }
        for (int x = 0; x < count; ++x, in += 4) {
          out[x] = FromMasks(in[0] | (in[1] << 8) | (in[2] << 16) | (std::uint32_t{in[3]} << 24));
        }
        return;
      case 16:
        for (int x = 0; x < count; ++x, in += 2) out[x] = FromMasks(in[0] | (in[1] << 8));
        return;
      default:  // 1, 4 or 8 bits: palette indexes, leftmost pixel in the high bits
        const int bits = layout_.bitsPerPixel;
        const unsigned perByte = 8 / static_cast<unsigned>(bits);
        const unsigned indexMask = (1u << bits) - 1;
        for (int x = 0; x < count; ++x) {
          const unsigned slot = static_cast<unsigned>(x) % perByte;
          const unsigned shift = 8 - static_cast<unsigned>(bits) * (slot + 1);
          out[x] = layout_.palette[(in[static_cast<unsigned>(x) / perByte] >> shift) & indexMask];
        }
    }
  }

 private:
  bool IsPlainBgrx() const {
    return layout_.masks[0] == 0xFF0000 && layout_.masks[1] == 0xFF00 && layout_.masks[2] == 0xFF;
  }
  std::uint32_t FromMasks(std::uint32_t pixel) const {
    return OpaqueRgb(red_(pixel), green_(pixel), blue_(pixel));
  }

  const BmpLayout& layout_;
  Channel red_, green_, blue_;
};

// Seeks to each visible row and reads only its visible bytes.
void ReadPlainRows(const PictureFile& file, const BmpLayout& layout, DecodedPicture& picture) {
  const RowConverter converter(layout);
  const auto visibleWidth = static_cast<std::uint64_t>(picture.visibleWidth);
  std::vector<unsigned char> row(
      (visibleWidth * static_cast<std::uint64_t>(layout.bitsPerPixel) + 7) / 8);
  for (int y = 0; y < picture.visibleHeight; ++y) {
    const int fileRow = layout.topDown ? y : layout.height - 1 - y;
    file.ReadAt(layout.pixelOffset + layout.rowStride * static_cast<std::uint64_t>(fileRow),
                row.data(), row.size());
    converter.Convert(row.data(),
                      picture.pixels.data() + visibleWidth * static_cast<std::uint64_t>(y),
                      picture.visibleWidth);
  }
}

}  // namespace

DecodedPicture DecodeBmp(const PictureFile& file, int maxWidth, int maxHeight) {
  const BmpLayout layout = ReadBmpLayout(file);
  DecodedPicture picture =
      NewVisiblePart(layout.width, layout.height, maxWidth, maxHeight, OpaqueRgb(0, 0, 0));
  if (layout.encoding == BmpEncoding::kPlain) {
    ReadPlainRows(file, layout, picture);
  } else {
    DecodeBmpRle(file, layout, picture);
  }
  return picture;
}

}  // namespace vs
