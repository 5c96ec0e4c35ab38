#include "samples/SampleJpeg.h"

// clang-format off
#include <cstdio>
#include <cstdlib>
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
  return jpeg.Finish();
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
