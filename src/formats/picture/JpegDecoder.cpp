// libjpeg reports errors through a callback that must not return; it jumps
// back with longjmp. longjmp skips C++ destructors, so every libjpeg call runs
// inside one of the small step functions below, whose frames hold only
// trivially destructible values.
// clang-format off
#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <string>
// jpeglib.h needs size_t and FILE declared first, jerror.h needs jpeglib.h.
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "formats/picture/FormatDecoders.h"
#include "formats/picture/PictureSupport.h"

namespace vs {

namespace {

#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr J_COLOR_SPACE kNativeRgb32 = JCS_EXT_BGRA;
#else
constexpr J_COLOR_SPACE kNativeRgb32 = JCS_EXT_ARGB;
#endif

// Far more than the coefficient buffer of a progressive 96-megapixel photo
// (576 MB at 4:4:4), far less than what a forged header could demand.
constexpr long kMaxLibjpegMemory = 1L << 30;

// Every Huffman-coded scan spends at least one bit on each 8x8 block of its
// most finely sampled component, and sampling factors are at most 4: a file
// cannot describe more than 8 * 64 * 4 pixels per byte.
constexpr std::int64_t kMaxHuffmanPixelsPerByte = 2048;

struct JpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  bool truncated;
  char message[JMSG_LENGTH_MAX];
};

JpegErrors& ErrorsOf(j_common_ptr info) { return *reinterpret_cast<JpegErrors*>(info->err); }

[[noreturn]] void FailDecoding(j_common_ptr info) {
  JpegErrors& errors = ErrorsOf(info);
  info->err->format_message(info, errors.message);
  std::longjmp(errors.jump, 1);
}

// libjpeg pads a truncated file with an end marker and goes on with grey
// blocks; the saver treats a picture that ends inside its visible rows as
// broken instead. Other warnings (stray bytes in old camera files) decode on.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
    ErrorsOf(info).truncated = true;
    FailDecoding(info);
  }
}

void Silence(j_common_ptr) {}

bool CreateStep(jpeg_decompress_struct* info, std::FILE* stream) {
  if (setjmp(reinterpret_cast<JpegErrors*>(info->err)->jump)) return false;
  jpeg_create_decompress(info);
  info->mem->max_memory_to_use = kMaxLibjpegMemory;
  jpeg_stdio_src(info, stream);
  return true;
}

bool ReadHeaderStep(jpeg_decompress_struct* info) {
  if (setjmp(reinterpret_cast<JpegErrors*>(info->err)->jump)) return false;
  jpeg_read_header(info, TRUE);
  return true;
}

// Decodes rows [0, rows) of columns [0, columns) into `out`, one row per
// stride. With `columns` > stride the extra column of each row lands on the
// next row's first pixel, which that row then overwrites; the last row needs
// one spare pixel past the end.
bool DecodeRowsStep(jpeg_decompress_struct* info, JDIMENSION columns, std::uint32_t* out,
                    std::size_t stride, int rows) {
  if (setjmp(reinterpret_cast<JpegErrors*>(info->err)->jump)) return false;
  jpeg_start_decompress(info);
  if (columns < info->output_width) {
    // From column 0 no iMCU realignment is needed, so the width stays as asked.
    JDIMENSION offset = 0;
    JDIMENSION width = columns;
    jpeg_crop_scanline(info, &offset, &width);
    if (offset != 0 || width != columns) ERREXIT(info, JERR_BAD_CROP_SPEC);
  }
  for (int y = 0; y < rows; ++y) {
    JSAMPROW row = reinterpret_cast<JSAMPROW>(out + static_cast<std::size_t>(y) * stride);
    jpeg_read_scanlines(info, &row, 1);
  }
  return true;
}

// Adobe writes CMYK inverted; other writers store plain ink amounts.
void CmykToRgb(std::uint32_t* pixels, std::size_t count, bool inverted) {
  auto* bytes = reinterpret_cast<const unsigned char*>(pixels);
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char* cmyk = bytes + i * 4;
    unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    pixels[i] = OpaqueRgb(c * k / 255, m * k / 255, y * k / 255);
  }
}

class JpegDecompressor {
 public:
  explicit JpegDecompressor(const PictureFile& file) : file_(file) {
    info_.err = jpeg_std_error(&errors_.manager);
    errors_.manager.error_exit = FailDecoding;
    errors_.manager.emit_message = OnMessage;
    errors_.manager.output_message = Silence;
    errors_.truncated = false;
  }
  ~JpegDecompressor() {
    // Also abandons the rows below the visible part without reading them.
    // Safe on a partly created decompressor: it frees only what exists.
    jpeg_destroy_decompress(&info_);
  }
  JpegDecompressor(const JpegDecompressor&) = delete;
  JpegDecompressor& operator=(const JpegDecompressor&) = delete;

  DecodedPicture Decode(int maxWidth, int maxHeight) {
    if (!CreateStep(&info_, file_.Stream()) || !ReadHeaderStep(&info_)) Fail();
    const std::int64_t width = info_.image_width, height = info_.image_height;
    CheckPictureSize(file_.Path(), width, height);
    if (!info_.arith_code &&
        width * height > kMaxHuffmanPixelsPerByte * static_cast<std::int64_t>(file_.Size())) {
      ThrowInvalidPicture(file_.Path(), "is truncated");
    }
    const bool cmyk = info_.jpeg_color_space == JCS_CMYK || info_.jpeg_color_space == JCS_YCCK;
    info_.out_color_space = cmyk ? JCS_CMYK : kNativeRgb32;

    DecodedPicture picture = NewVisiblePart(static_cast<int>(width), static_cast<int>(height),
                                            maxWidth, maxHeight, 0, 1);
    if (picture.visibleWidth > 0 && picture.visibleHeight > 0) {
      // The chroma upsampler reads one column beyond the last one it outputs;
      // without it the last visible column would differ from a full decode.
      const auto columns = static_cast<JDIMENSION>(
          std::min<std::int64_t>(width, std::int64_t{picture.visibleWidth} + 1));
      if (!DecodeRowsStep(&info_, columns, picture.pixels.data(),
                          static_cast<std::size_t>(picture.visibleWidth), picture.visibleHeight)) {
        Fail();
      }
    }
    picture.pixels.pop_back();
    if (cmyk) CmykToRgb(picture.pixels.data(), picture.pixels.size(), info_.saw_Adobe_marker);
    return picture;
  }

 private:
  [[noreturn]] void Fail() {
    if (errors_.truncated) ThrowInvalidPicture(file_.Path(), "is truncated");
    const int code = errors_.manager.msg_code;
    if (code == JERR_OUT_OF_MEMORY || code == JERR_NO_BACKING_STORE) {
      ThrowInvalidPicture(file_.Path(), "is too large to decode");
    }
    ThrowInvalidPicture(file_.Path(),
                        std::string("is not a valid JPEG file (") + errors_.message + ")");
  }

  const PictureFile& file_;
  jpeg_decompress_struct info_{};
  JpegErrors errors_{};
};

}  // namespace

DecodedPicture DecodeJpeg(const PictureFile& file, int maxWidth, int maxHeight) {
  JpegDecompressor decompressor(file);
  return decompressor.Decode(maxWidth, maxHeight);
}

}  // namespace vs
