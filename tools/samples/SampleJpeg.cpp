#include "samples/SampleJpeg.h"

// clang-format off
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
// clang-format on

namespace vs::samples {

namespace {

// One compression into memory, with the library's defaults for the input set
// up; the caller adjusts Info() before Start().
class MemoryCompressor {
 public:
  MemoryCompressor(int width, int height, int components, J_COLOR_SPACE space) {
    info_.err = jpeg_std_error(&errors_);
    jpeg_create_compress(&info_);
    jpeg_mem_dest(&info_, &data_, &size_);
    info_.image_width = static_cast<JDIMENSION>(width);
    info_.image_height = static_cast<JDIMENSION>(height);
    info_.input_components = components;
    info_.in_color_space = space;
    jpeg_set_defaults(&info_);
  }
  ~MemoryCompressor() {
    jpeg_destroy_compress(&info_);
    std::free(data_);
  }
  MemoryCompressor(const MemoryCompressor&) = delete;
  MemoryCompressor& operator=(const MemoryCompressor&) = delete;

  jpeg_compress_struct& Info() { return info_; }
  void Start() { jpeg_start_compress(&info_, TRUE); }
  void WriteRow(JSAMPLE* samples) { jpeg_write_scanlines(&info_, &samples, 1); }
  Bytes Finish() {
    jpeg_finish_compress(&info_);
    return Bytes(data_, data_ + size_);
  }

 private:
  jpeg_compress_struct info_{};
  jpeg_error_mgr errors_{};
  unsigned char* data_ = nullptr;
  unsigned long size_ = 0;
};

Bytes Cut(const Bytes& bytes, std::size_t begin, std::size_t end) {
  return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(begin),
               bytes.begin() + static_cast<std::ptrdiff_t>(end));
}

Bytes WithEnd(Bytes jpeg) {
  jpeg.insert(jpeg.end(), {0xFF, 0xD9});
  return jpeg;
}

}  // namespace

Bytes EncodeJpeg(int width, int height, const RowSource& rows, const JpegOptions& options) {
  MemoryCompressor jpeg(width, height, options.grayscale ? 1 : 3,
                        options.grayscale ? JCS_GRAYSCALE : JCS_RGB);
  jpeg_compress_struct& info = jpeg.Info();
  jpeg_set_quality(&info, options.quality, TRUE);
  info.arith_code = options.arithmetic ? TRUE : FALSE;
  if (!options.grayscale) {
    info.comp_info[0].h_samp_factor = options.lumaH;
    info.comp_info[0].v_samp_factor = options.lumaV;
  }
  if (options.progressive) jpeg_simple_progression(&info);
  jpeg.Start();
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width));
  std::vector<JSAMPLE> samples(static_cast<std::size_t>(width) * 3);
  for (int y = 0; y < height; ++y) {
    rows(y, pixels.data());
    for (std::size_t x = 0; x < pixels.size(); ++x) {
      const std::uint32_t p = pixels[x];
      if (options.grayscale) {
        samples[x] = static_cast<JSAMPLE>(p & 0xFF);
      } else {
        samples[x * 3] = static_cast<JSAMPLE>(p >> 16);
        samples[x * 3 + 1] = static_cast<JSAMPLE>(p >> 8);
        samples[x * 3 + 2] = static_cast<JSAMPLE>(p);
      }
    }
    jpeg.WriteRow(samples.data());
  }
  Bytes bytes = jpeg.Finish();
  if (options.scans > 0)
    bytes = WithEnd(Cut(bytes, 0, JpegScans(bytes).at(options.scans - 1).second));
  if (options.exifOrientation != 1) bytes = WithExifOrientation(bytes, options.exifOrientation);
  return bytes;
}

std::vector<std::pair<std::size_t, std::size_t>> JpegScans(const Bytes& jpeg) {
  std::vector<std::pair<std::size_t, std::size_t>> scans;
  for (std::size_t i = 2; i + 3 < jpeg.size(); ++i) {
    if (jpeg[i] != 0xFF || jpeg[i + 1] != 0xDA) continue;
    std::size_t end = i + 2 + (std::size_t{jpeg[i + 2]} << 8 | jpeg[i + 3]);
    while (end + 1 < jpeg.size() &&
           !(jpeg[end] == 0xFF && jpeg[end + 1] != 0 && (jpeg[end + 1] & 0xF8) != 0xD0)) {
      ++end;
    }
    scans.emplace_back(i, end);
    i = end - 1;
  }
  return scans;
}

Bytes WithExif(const Bytes& jpeg, const Bytes& tiff) {
  const std::size_t length = 2 + 6 + tiff.size();
  Bytes out{0xFF, 0xD8, 0xFF, 0xE1, static_cast<std::uint8_t>(length >> 8)};
  out.push_back(static_cast<std::uint8_t>(length));
  out.insert(out.end(), {'E', 'x', 'i', 'f', 0, 0});
  out.insert(out.end(), tiff.begin(), tiff.end());
  out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
  return out;
}

Bytes WithExifOrientation(const Bytes& jpeg, int orientation) {
  const auto value = static_cast<std::uint8_t>(orientation);
  return WithExif(jpeg, {'M',  'M',  0, 42, 0, 0,     0, 8,  // big-endian, IFD0 at 8
                         0,    1,                            // one entry:
                         0x01, 0x12, 0, 3,                   // Orientation, SHORT
                         0,    0,    0, 1,  0, value, 0, 0,  // one value
                         0,    0,    0, 0});                 // no next IFD
}

Bytes WithFrameSize(Bytes jpeg, int width, int height) {
  for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
    const std::uint8_t code = jpeg[i + 1];
    if (jpeg[i] == 0xFF && (code == 0xC0 || code == 0xC2 || code == 0xC9 || code == 0xCA)) {
      jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
      jpeg[i + 6] = static_cast<std::uint8_t>(height);
      jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
      jpeg[i + 8] = static_cast<std::uint8_t>(width);
      return jpeg;
    }
  }
  throw std::invalid_argument("no frame header");
}

Bytes WithEmptyScans(const Bytes& jpeg, int scans) {
  const std::size_t first = JpegScans(jpeg).at(0).first;
  const std::size_t headerEnd = first + 2 + (std::size_t{jpeg[first + 2]} << 8 | jpeg[first + 3]);
  Bytes out = Cut(jpeg, 0, first);
  for (int i = 0; i < scans; ++i) {
    out.insert(out.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(first),
               jpeg.begin() + static_cast<std::ptrdiff_t>(headerEnd));
  }
  return WithEnd(std::move(out));
}

Bytes EncodeFlatCmykJpeg(int width, int height, std::uint8_t c, std::uint8_t m, std::uint8_t y,
                         std::uint8_t k) {
  MemoryCompressor jpeg(width, height, 4, JCS_CMYK);
  jpeg_set_colorspace(&jpeg.Info(), JCS_YCCK);  // also writes the Adobe marker
  jpeg.Start();
  std::vector<JSAMPLE> samples(static_cast<std::size_t>(width) * 4);
  for (std::size_t x = 0; x < samples.size(); x += 4) {
    samples[x] = c, samples[x + 1] = m, samples[x + 2] = y, samples[x + 3] = k;
  }
  for (int row = 0; row < height; ++row) jpeg.WriteRow(samples.data());
  return jpeg.Finish();
}

Pixels DecodeJpegFully(const Bytes& jpeg, int& width, int& height) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  width = static_cast<int>(info.output_width);
  height = static_cast<int>(info.output_height);
  Pixels pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  std::vector<JSAMPLE> samples(static_cast<std::size_t>(width) * 3);
  for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
    JSAMPROW row = samples.data();
    jpeg_read_scanlines(&info, &row, 1);
    for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
      pixels[y * static_cast<std::size_t>(width) + x] =
          0xFF000000u | (std::uint32_t{samples[x * 3]} << 16) |
          (std::uint32_t{samples[x * 3 + 1]} << 8) | samples[x * 3 + 2];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return pixels;
}

}  // namespace vs::samples
