#include "formats/picture/BmpRleDecoder.h"

#include <cstdio>

#include "formats/picture/PictureSupport.h"

namespace vs {

namespace {

class RleStream {
 public:
  RleStream(const PictureFile& file, std::uint64_t offset) : file_(file) {
    if (fseeko(file.Stream(), static_cast<off_t>(offset), SEEK_SET) != 0) Truncated();
  }
  unsigned Next() {
    const int byte = std::getc(file_.Stream());
    if (byte == EOF) Truncated();
    return static_cast<unsigned>(byte);
  }

 private:
  [[noreturn]] void Truncated() const { ThrowInvalidPicture(file_.Path(), "is truncated"); }
  const PictureFile& file_;
};

class RleCanvas {
 public:
  RleCanvas(const BmpLayout& layout, DecodedPicture& picture)
      : layout_(layout), picture_(picture) {}

  // Rows count from the bottom, as the stream stores them.
  void Put(std::int64_t x, std::int64_t row, unsigned index) {
    const std::int64_t y = layout_.height - 1 - row;
    if (x < picture_.visibleWidth && y < picture_.visibleHeight) {
      picture_.pixels[static_cast<std::size_t>(y * picture_.visibleWidth + x)] =
          layout_.palette[index];
    }
  }

 private:
  const BmpLayout& layout_;
  DecodedPicture& picture_;
};

}  // namespace

void DecodeBmpRle(const PictureFile& file, const BmpLayout& layout, DecodedPicture& picture) {
  RleStream stream(file, layout.pixelOffset);
  RleCanvas canvas(layout, picture);
  const bool rle4 = layout.encoding == BmpEncoding::kRle4;
  std::int64_t x = 0, row = 0;
  while (row < layout.height) {
    const unsigned count = stream.Next();
    const unsigned value = stream.Next();
    if (count > 0) {  // a run of one index, or of two alternating ones for RLE4
      for (unsigned i = 0; i < count; ++i, ++x) {
        canvas.Put(x, row, rle4 ? (i % 2 == 0 ? value >> 4 : value & 15) : value);
      }
    } else if (value == 0) {  // end of line
      x = 0;
      ++row;
    } else if (value == 1) {  // end of bitmap
      return;
    } else if (value == 2) {  // move right and up
      x += stream.Next();
      row += stream.Next();
    } else {  // `value` literal indexes, padded to a 16-bit boundary
      unsigned byte = 0;
      const unsigned bytes = rle4 ? (value + 1) / 2 : value;
      for (unsigned i = 0; i < value; ++i, ++x) {
        if (!rle4 || i % 2 == 0) byte = stream.Next();
        canvas.Put(x, row, !rle4 ? byte : (i % 2 == 0 ? byte >> 4 : byte & 15));
      }
      if (bytes % 2 == 1) stream.Next();
    }
  }
}

}  // namespace vs
