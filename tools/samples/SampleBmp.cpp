#include "samples/SampleBmp.h"

#include <stdexcept>

namespace vs::samples {

namespace {

void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// 5-6-5 for bitfields, 5-5-5 for plain 16-bit pixels.
int GreenBits(const BmpOptions& options) { return options.coding == BmpCoding::kBitfields ? 6 : 5; }

std::uint32_t Pack16(std::uint32_t colour, int greenBits) {
  const std::uint32_t r = (colour >> 19) & 31,
                      g = (colour >> (16 - greenBits)) & ((1u << greenBits) - 1),
                      b = (colour >> 3) & 31;
  return (r << (5 + greenBits)) | (g << 5) | b;
}

std::uint32_t Unpack16(std::uint32_t packed, int greenBits) {
  const std::uint32_t gMax = (1u << greenBits) - 1;
  const std::uint32_t r = (packed >> (5 + greenBits)) * 255 / 31,
                      g = ((packed >> 5) & gMax) * 255 / gMax, b = (packed & 31) * 255 / 31;
  return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// Runs of equal indexes as counted pairs, other stretches as literals.
void EncodeRleRow(const std::uint8_t* row, int width, bool rle4, Bytes& out) {
  int x = 0;
  while (x < width) {
    int run = 1;
    while (x + run < width && run < 255 && row[x + run] == row[x]) ++run;
    if (run >= 2 || width - x < 3) {
      out.push_back(static_cast<std::uint8_t>(run));
      out.push_back(static_cast<std::uint8_t>(rle4 ? (row[x] << 4) | row[x] : row[x]));
      x += run;
      continue;
    }
    int literal = 0;
    while (x + literal < width && literal < 255 &&
           (x + literal + 1 >= width || row[x + literal + 1] != row[x + literal])) {
      ++literal;
    }
    if (literal < 3) literal = 3;
    if (x + literal > width) literal = width - x;
    out.push_back(0);
    out.push_back(static_cast<std::uint8_t>(literal));
    std::size_t bytes = 0;
    for (int i = 0; i < literal; ++i) {
      if (!rle4) {
        out.push_back(row[x + i]), ++bytes;
      } else if (i % 2 == 0) {
        out.push_back(static_cast<std::uint8_t>(row[x + i] << 4)), ++bytes;
      } else {
        out.back() = static_cast<std::uint8_t>(out.back() | row[x + i]);
      }
    }
    if (bytes % 2 == 1) out.push_back(0);
    x += literal;
  }
  out.push_back(0);
  out.push_back(0);
}

Bytes PixelData(const BmpSource& source, const BmpOptions& options) {
  const int bits = options.bitsPerPixel;
  Bytes data;
  if (options.coding == BmpCoding::kRle) {
    for (int y = source.height - 1; y >= 0; --y) {
      EncodeRleRow(source.indexes.data() + static_cast<std::size_t>(y) * source.width, source.width,
                   bits == 4, data);
    }
    data.back() = 1;  // the last end of line becomes the end of the bitmap
    return data;
  }
  const std::size_t stride = (static_cast<std::size_t>(source.width) * bits + 31) / 32 * 4;
  for (int i = 0; i < source.height; ++i) {
    const int y = options.topDown ? i : source.height - 1 - i;
    Bytes row(stride, 0);
    for (int x = 0; x < source.width; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * source.width + x;
      if (bits <= 8) {
        const int perByte = 8 / bits;
        row[x / perByte] |=
            static_cast<std::uint8_t>(source.indexes[at] << (8 - bits * (x % perByte + 1)));
        continue;
      }
      const std::uint32_t c = source.colours[at];
      std::uint8_t* p = row.data() + static_cast<std::size_t>(x) * bits / 8;
      if (bits == 16) {
        const std::uint32_t packed = Pack16(c, GreenBits(options));
        p[0] = static_cast<std::uint8_t>(packed), p[1] = static_cast<std::uint8_t>(packed >> 8);
      } else if (options.coding == BmpCoding::kBitfields) {  // 32 bits as 0xRRGGBBAA
        p[0] = 0x80, p[1] = static_cast<std::uint8_t>(c), p[2] = static_cast<std::uint8_t>(c >> 8),
        p[3] = static_cast<std::uint8_t>(c >> 16);
      } else {
        p[0] = static_cast<std::uint8_t>(c), p[1] = static_cast<std::uint8_t>(c >> 8),
        p[2] = static_cast<std::uint8_t>(c >> 16);
        if (bits == 32) p[3] = 0x33;  // unused byte: must not matter
      }
    }
    data.insert(data.end(), row.begin(), row.end());
  }
  return data;
}

}  // namespace

BmpSource BmpPhoto(int width, int height, int bitsPerPixel, unsigned seed) {
  BmpSource source;
  source.width = width;
  source.height = height;
  const Pixels photo = PhotoPixels(width, height, seed);
  if (bitsPerPixel > 8) {
    source.colours = photo;
    return source;
  }
  const std::uint32_t colours = 1u << bitsPerPixel;
  for (std::uint32_t i = 0; i < colours; ++i) {
    const std::uint32_t level = i * 255 / (colours - 1);
    source.palette.push_back(0xFF000000u | (level << 16) | ((255 - level) << 8) | (level / 2));
  }
  for (std::size_t i = 0; i < photo.size(); ++i) {
    // Long runs of equal indexes, with some noise, exercise both RLE modes.
    const std::uint32_t index = ((photo[i] >> 16) & 0xFF) * colours / 256;
    source.indexes.push_back(static_cast<std::uint8_t>(index));
    source.colours.push_back(source.palette[index]);
  }
  return source;
}

Pixels ExpectedBmpColours(const BmpSource& source, const BmpOptions& options) {
  if (options.bitsPerPixel != 16) return source.colours;
  Pixels expected;
  for (const std::uint32_t c : source.colours) {
    expected.push_back(Unpack16(Pack16(c, GreenBits(options)), GreenBits(options)));
  }
  return expected;
}

Bytes EncodeBmp(const BmpSource& source, const BmpOptions& options) {
  const int bits = options.bitsPerPixel;
  const Bytes pixels = PixelData(source, options);
  const bool core = options.header == BmpHeader::kCore;
  const std::uint32_t headerSize = core ? 12 : (options.header == BmpHeader::kV5 ? 124 : 40);
  const bool masksAfterHeader = options.coding == BmpCoding::kBitfields && headerSize == 40;
  const std::uint32_t paletteSize =
      static_cast<std::uint32_t>(source.palette.size()) * (core ? 3 : 4);
  const std::uint32_t offset = 14 + headerSize + (masksAfterHeader ? 12 : 0) + paletteSize;

  Bytes out = {'B', 'M'};
  Put32(out, offset + static_cast<std::uint32_t>(pixels.size()));
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, headerSize);
  const int height = options.topDown ? -source.height : source.height;
  if (core) {
    Put16(out, static_cast<std::uint32_t>(source.width));
    Put16(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bits));
  } else {
    Put32(out, static_cast<std::uint32_t>(source.width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bits));
    std::uint32_t compression = 0;
    if (options.coding == BmpCoding::kBitfields) compression = 3;
    if (options.coding == BmpCoding::kRle) compression = bits == 8 ? 1 : 2;
    Put32(out, compression);
    Put32(out, static_cast<std::uint32_t>(pixels.size()));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, static_cast<std::uint32_t>(source.palette.size()));
    Put32(out, 0);
    if (options.coding == BmpCoding::kBitfields) {
      const bool is16 = bits == 16;
      Put32(out, is16 ? 0xF800 : 0xFF000000);
      Put32(out, is16 ? 0x07E0 : 0x00FF0000);
      Put32(out, is16 ? 0x001F : 0x0000FF00);
    }
    if (headerSize == 124) out.resize(14 + 124, 0);
  }
  for (const std::uint32_t c : source.palette) {
    out.push_back(static_cast<std::uint8_t>(c));
    out.push_back(static_cast<std::uint8_t>(c >> 8));
    out.push_back(static_cast<std::uint8_t>(c >> 16));
    if (!core) out.push_back(0);
  }
  if (out.size() != offset) throw std::logic_error("BMP header size mismatch");
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

}  // namespace vs::samples
