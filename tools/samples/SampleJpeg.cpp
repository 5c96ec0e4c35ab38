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

// Owns the memory that jpeg_mem_dest fills.
struct MemoryDestination {
  unsigned char* data = nullptr;
  unsigned long size = 0;
  ~MemoryDestination() { std::free(data); }
  Bytes Take() const { return Bytes(data, data + size); }
};

}  // namespace

Bytes EncodeJpeg(int width, int height, const RowSource& rows, const JpegOptions& options) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  MemoryDestination out;
  jpeg_mem_dest(&info, &out.data, &out.size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = options.grayscale ? 1 : 3;
  info.in_color_space = options.grayscale ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, options.quality, TRUE);
  info.arith_code = options.arithmetic ? TRUE : FALSE;
  if (!options.grayscale) {
    info.comp_info[0].h_samp_factor = options.lumaH;
    info.comp_info[0].v_samp_factor = options.lumaV;
  }
  if (options.progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
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
    JSAMPROW row = samples.data();
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return out.Take();
}

Bytes EncodeFlatCmykJpeg(int width, int height, std::uint8_t c, std::uint8_t m, std::uint8_t y,
                         std::uint8_t k) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  MemoryDestination out;
  jpeg_mem_dest(&info, &out.data, &out.size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 4;
  info.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&info);
  jpeg_set_colorspace(&info, JCS_YCCK);  // also writes the Adobe marker
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> samples(static_cast<std::size_t>(width) * 4);
  for (std::size_t x = 0; x < samples.size(); x += 4) {
    samples[x] = c, samples[x + 1] = m, samples[x + 2] = y, samples[x + 3] = k;
  }
  for (int row = 0; row < height; ++row) {
    JSAMPROW data = samples.data();
    jpeg_write_scanlines(&info, &data, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return out.Take();
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
