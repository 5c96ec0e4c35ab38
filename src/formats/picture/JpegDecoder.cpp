// libjpeg reports errors through a callback that must not return; it jumps
// back with longjmp. longjmp skips C++ destructors, so every libjpeg call runs
// inside one of the small step functions below, whose frames hold only
// trivially destructible values.
// clang-format off
#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>
// jpeglib.h needs size_t and FILE declared first, jerror.h needs jpeglib.h.
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "formats/picture/FormatDecoders.h"
#include "formats/picture/JpegLayout.h"
#include "formats/picture/JpegShortSource.h"
#include "formats/picture/PictureOrientation.h"
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
// An arithmetic coder spends a fraction of a bit on a flat block: a flat
// colour 24-megapixel picture takes about 200 bytes.
constexpr std::int64_t kMaxArithmeticPixelsPerByte = std::int64_t{1} << 17;

// Real encoders write a few dozen scans at most; each scan costs a pass over
// every block however little data it holds.
constexpr int kMaxScans = 128;

// A file of several scans stores the coefficients of every block of the
// decoded rows, and each scan passes over all blocks of its components. The
// scans that start a Huffman-coded block's DC spend at least a bit on it: a
// byte holds at most 8 blocks, each passed over by at most kMaxScans scans.
// Arithmetic coding may spend far less, and reads a scan without data as zeros
// without saying so; libjpeg's progressive files spend about a bit a block
// refining DC, so the same bound keeps them. (A flat colour in a single
// arithmetic-coded scan, thousands of blocks a byte, has neither the stored
// coefficients nor a second pass.)
constexpr std::int64_t kMaxBlockPassesPerByte = 8 * kMaxScans;

// Rows decoded below the visible ones: fancy upsampling and block smoothing
// read neighbouring rows, and libjpeg treats the last iMCU row (up to 32
// rows) of a picture specially, so two iMCU rows keep the visible rows equal
// to those of a whole decode.
constexpr int kRowsBelowVisible = 64;

struct JpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  const char* problem;  // set when a check of ours stopped decoding
  char message[JMSG_LENGTH_MAX];
};

JpegErrors& ErrorsOf(j_common_ptr info) { return *reinterpret_cast<JpegErrors*>(info->err); }

[[noreturn]] void FailDecoding(j_common_ptr info) {
  JpegErrors& errors = ErrorsOf(info);
  info->err->format_message(info, errors.message);
  std::longjmp(errors.jump, 1);
}

[[noreturn]] void Stop(j_common_ptr info, const char* problem) {
  ErrorsOf(info).problem = problem;
  FailDecoding(info);
}

// libjpeg pads a truncated file or scan with zeros and goes on with grey
// blocks; the saver treats a picture whose data ends inside the rows it
// decodes as broken instead, which also ends scans that hold no data at all.
// Other warnings (stray bytes in old camera files, the skipped rest of each
// scan below the decoded rows) decode on.
void OnMessage(j_common_ptr info, int level) {
  const int code = info->err->msg_code;
  if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER)) {
    Stop(info, "is truncated");
  }
}

// The block passes of the scans read so far; libjpeg calls CountScanWork
// before reading each iMCU row.
struct ScanWork {
  jpeg_progress_mgr manager;  // first: libjpeg's pointer to it leads to the count
  std::int64_t passes;
  std::int64_t limit;
  int scan;
  JDIMENSION rows;  // iMCU rows of `scan` counted
};

void CountScanWork(j_common_ptr common) {
  const auto* info = reinterpret_cast<j_decompress_ptr>(common);
  if (info->input_scan_number > kMaxScans) Stop(common, "has too many scans");
  ScanWork& work = *reinterpret_cast<ScanWork*>(info->progress);
  if (info->input_scan_number != work.scan) {
    work.scan = info->input_scan_number;
    work.rows = 0;
  }
  // An iMCU row of a scan of one component is v_samp_factor rows of its blocks.
  const int blockRows = info->comps_in_scan == 1 ? info->cur_comp_info[0]->v_samp_factor : 1;
  work.passes += std::int64_t{info->MCUs_per_row} * info->blocks_in_MCU * blockRows *
                 (std::int64_t{info->input_iMCU_row} - work.rows);
  work.rows = info->input_iMCU_row;
  if (work.passes > work.limit) Stop(common, "is truncated");
}

void Silence(j_common_ptr) {}

// With `shortHeight` > 0 libjpeg sees a picture of that height (see
// UseShortSource).
bool CreateStep(jpeg_decompress_struct* info, std::FILE* stream, std::uint64_t heightAt,
                int shortHeight) {
  if (setjmp(reinterpret_cast<JpegErrors*>(info->err)->jump)) return false;
  jpeg_create_decompress(info);
  info->mem->max_memory_to_use = kMaxLibjpegMemory;
  if (shortHeight > 0) {
    UseShortSource(info, stream, heightAt, shortHeight);
  } else {
    jpeg_stdio_src(info, stream);
  }
  return true;
}

bool ReadHeaderStep(jpeg_decompress_struct* info) {
  if (setjmp(reinterpret_cast<JpegErrors*>(info->err)->jump)) return false;
  jpeg_read_header(info, TRUE);
  return true;
}

// Decodes the stored `region` and places its rows in `upright`; `row` holds
// one decoded row. Only columns [cropLeft, cropLeft + columns), widened by
// libjpeg to its block grid, are decoded.
bool DecodeRegionStep(jpeg_decompress_struct* info, const StoredRegion& region,
                      const PictureOrientation& orientation, JDIMENSION cropLeft,
                      JDIMENSION columns, std::uint32_t* row, DecodedPicture* upright) {
  if (setjmp(reinterpret_cast<JpegErrors*>(info->err)->jump)) return false;
  jpeg_start_decompress(info);
  JDIMENSION offset = cropLeft;
  JDIMENSION width = columns;
  if (width < info->output_width) jpeg_crop_scanline(info, &offset, &width);
  const auto left = static_cast<JDIMENSION>(region.left);
  if (offset > left || offset + width < left + static_cast<JDIMENSION>(region.width)) {
    ERREXIT(info, JERR_BAD_CROP_SPEC);
  }
  if (region.top > 0) jpeg_skip_scanlines(info, static_cast<JDIMENSION>(region.top));
  for (int y = 0; y < region.height; ++y) {
    JSAMPROW samples = reinterpret_cast<JSAMPROW>(row);
    jpeg_read_scanlines(info, &samples, 1);
    PlaceStoredRow(orientation, row + (left - offset), y, *upright);
  }
  return true;
}

// The blocks of all components in the rows libjpeg sees.
std::int64_t BlockCount(const jpeg_decompress_struct& info) {
  std::int64_t blocks = 0;
  for (int c = 0; c < info.num_components; ++c) {
    blocks += std::int64_t{info.comp_info[c].width_in_blocks} * info.comp_info[c].height_in_blocks;
  }
  return blocks;
}

struct Columns {
  int left, right;
};

// The stored columns to decode for `region`. libjpeg takes a crop's left edge
// for the picture's: block smoothing (of progressive files with scans missing)
// reads the DC values of two blocks either side, fancy upsampling a column
// either side. So the crop starts two blocks of the widest-block component and
// a column further left. On the right, smoothing reads the stored blocks past
// the crop, the upsampler needs one more column and works plainly (unlike a
// whole decode) on a crop of two chroma columns or fewer.
Columns CropColumns(const jpeg_decompress_struct& info, const StoredRegion& region,
                    int storedWidth) {
  int narrowestSampling = info.max_h_samp_factor;
  for (int c = 0; c < info.num_components; ++c) {
    narrowestSampling = std::min(narrowestSampling, info.comp_info[c].h_samp_factor);
  }
  const int margin = 2 * 8 * info.max_h_samp_factor / narrowestSampling + 1;
  const int left = std::max(region.left - margin, 0);
  return {left, std::min(storedWidth, std::max(region.left + region.width, left + margin) + 1)};
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
    errors_.problem = nullptr;
    work_.manager.progress_monitor = CountScanWork;
    work_.limit = std::numeric_limits<std::int64_t>::max();
  }
  ~JpegDecompressor() {
    // Also abandons the rows below the visible part without reading them.
    // Safe on a partly created decompressor: it frees only what exists.
    jpeg_destroy_decompress(&info_);
  }
  JpegDecompressor(const JpegDecompressor&) = delete;
  JpegDecompressor& operator=(const JpegDecompressor&) = delete;

  DecodedPicture Decode(int maxWidth, int maxHeight) {
    // Only the visible rows and those below them that they depend on are
    // decoded; in a progressive file that skips most of every scan.
    const JpegLayout layout = FindJpegLayout(file_);
    const PictureOrientation orientation = OrientationFromExif(layout.orientation);
    const StoredRegion rows =
        StoredRegionOf(orientation, layout.width, layout.height, maxWidth, maxHeight);
    const int shortHeight =
        std::min(layout.height, rows.top + std::max(rows.height, 1) + kRowsBelowVisible);
    const bool shortened = layout.heightAt != 0 && shortHeight < layout.height;
    if (!CreateStep(&info_, file_.Stream(), layout.heightAt, shortened ? shortHeight : 0)) Fail();
    info_.progress = &work_.manager;  // after creation, which clears it
    if (!ReadHeaderStep(&info_)) Fail();
    if (shortened && (info_.image_height != static_cast<JDIMENSION>(shortHeight) ||
                      info_.image_width != static_cast<JDIMENSION>(layout.width))) {
      ThrowInvalidPicture(file_.Path(), "is not a valid JPEG file (misplaced frame header)");
    }
    const std::int64_t width = info_.image_width;
    const std::int64_t height = shortened ? layout.height : info_.image_height;
    CheckPictureSize(file_.Path(), width, height);
    const std::int64_t maxPixelsPerByte =
        info_.arith_code ? kMaxArithmeticPixelsPerByte : kMaxHuffmanPixelsPerByte;
    if (width * height > maxPixelsPerByte * static_cast<std::int64_t>(file_.Size())) {
      ThrowInvalidPicture(file_.Path(), "is truncated");
    }
    if (info_.progressive_mode || info_.comps_in_scan < info_.num_components) {
      work_.limit = kMaxBlockPassesPerByte * static_cast<std::int64_t>(file_.Size());
      // Refused before libjpeg allocates the coefficients.
      if (BlockCount(info_) > work_.limit) ThrowInvalidPicture(file_.Path(), "is truncated");
    }
    const bool cmyk = info_.jpeg_color_space == JCS_CMYK || info_.jpeg_color_space == JCS_YCCK;
    info_.out_color_space = cmyk ? JCS_CMYK : kNativeRgb32;

    const auto storedWidth = static_cast<int>(width), storedHeight = static_cast<int>(height);
    DecodedPicture picture =
        orientation.swapsSides ? NewVisiblePart(storedHeight, storedWidth, maxWidth, maxHeight, 0)
                               : NewVisiblePart(storedWidth, storedHeight, maxWidth, maxHeight, 0);
    if (picture.visibleWidth > 0 && picture.visibleHeight > 0) {
      const StoredRegion region =
          StoredRegionOf(orientation, storedWidth, storedHeight, maxWidth, maxHeight);
      const Columns crop = CropColumns(info_, region, storedWidth);
      // libjpeg may widen the crop to its block grid, never beyond the picture.
      std::vector<std::uint32_t> row(static_cast<std::size_t>(storedWidth));
      if (!DecodeRegionStep(&info_, region, orientation, static_cast<JDIMENSION>(crop.left),
                            static_cast<JDIMENSION>(crop.right - crop.left), row.data(),
                            &picture)) {
        Fail();
      }
    }
    if (cmyk) CmykToRgb(picture.pixels.data(), picture.pixels.size(), info_.saw_Adobe_marker);
    return picture;
  }

 private:
  [[noreturn]] void Fail() {
    if (errors_.problem != nullptr) ThrowInvalidPicture(file_.Path(), errors_.problem);
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
  ScanWork work_{};
};

}  // namespace

DecodedPicture DecodeJpeg(const PictureFile& file, int maxWidth, int maxHeight) {
  JpegDecompressor decompressor(file);
  return decompressor.Decode(maxWidth, maxHeight);
}

}  // namespace vs
