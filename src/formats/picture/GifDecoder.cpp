#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "formats/picture/FormatDecoders.h"
#include "formats/picture/PictureSupport.h"

namespace vs {

namespace {

// LZW codes are at least 2 bits and expand to at most 4096 pixels each.
constexpr std::int64_t kMaxLzwPixelsPerByte = 4096 * 4;

// Interlaced rows arrive in four passes: every 8th row from 0, every 8th
// from 4, every 4th from 2, every 2nd from 1.
constexpr int kPassStart[] = {0, 4, 2, 1};
constexpr int kPassStep[] = {8, 8, 4, 2};

// Pixels decoded to reach the visible rows of an interlaced frame: about a
// quarter of a second of LZW. A forged header cannot cost more per picture.
constexpr std::int64_t kMaxInterlacedPixels = std::int64_t{1} << 26;

// Rows of an interlaced frame `height` rows high read until rows [0, needed)
// have all arrived. Row 1 comes in the last pass, after every even row.
std::int64_t InterlacedRowsRead(int needed, int height) {
  return needed <= 1 ? needed : (std::int64_t{height} + 1) / 2 + needed / 2;
}

struct GifSource {
  std::FILE* stream;
  bool hitEnd;
};

int ReadGifBytes(GifFileType* gif, GifByteType* buffer, int count) {
  auto* source = static_cast<GifSource*>(gif->UserData);
  const std::size_t got = std::fread(buffer, 1, static_cast<std::size_t>(count), source->stream);
  if (got < static_cast<std::size_t>(count)) source->hitEnd = true;
  return static_cast<int>(got);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

class GifReader {
 public:
  explicit GifReader(const PictureFile& file) : file_(file), source_{file.Stream(), false} {
    int error = 0;
    gif_.reset(DGifOpen(&source_, ReadGifBytes, &error));
    if (!gif_) Fail(error);
  }

  // Reads up to the first image descriptor; returns the transparent colour
  // index of its graphic control extension, or -1.
  int SeekFirstFrame() {
    int transparent = -1;
    for (;;) {
      GifRecordType type = UNDEFINED_RECORD_TYPE;
      Check(DGifGetRecordType(gif_.get(), &type));
      if (type == IMAGE_DESC_RECORD_TYPE) {
        Check(DGifGetImageDesc(gif_.get()));
        return transparent;
      }
      if (type == TERMINATE_RECORD_TYPE) ThrowInvalidPicture(file_.Path(), "holds no image");
      if (type != EXTENSION_RECORD_TYPE) continue;
      int code = 0;
      GifByteType* block = nullptr;
      Check(DGifGetExtension(gif_.get(), &code, &block));
      if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4) {
        transparent = (block[1] & 1) ? block[4] : -1;
      }
      while (block != nullptr) Check(DGifGetExtensionNext(gif_.get(), &block));
    }
  }

  void ReadLine(std::vector<GifPixelType>& line) {
    Check(DGifGetLine(gif_.get(), line.data(), static_cast<int>(line.size())));
  }

  const GifFileType& Gif() const { return *gif_; }

 private:
  void Check(int result) {
    if (result == GIF_ERROR) Fail(gif_->Error);
  }
  [[noreturn]] void Fail(int error) {
    if (source_.hitEnd) ThrowInvalidPicture(file_.Path(), "is truncated");
    const char* text = GifErrorString(error);
    ThrowInvalidPicture(file_.Path(), std::string("is not a valid GIF file (") +
                                          (text != nullptr ? text : "unknown error") + ")");
  }

  const PictureFile& file_;
  GifSource source_;
  std::unique_ptr<GifFileType, GifCloser> gif_;
};

std::uint32_t ColourOf(const ColorMapObject* map, int index) {
  if (map == nullptr || index < 0 || index >= map->ColorCount) return OpaqueRgb(0, 0, 0);
  const GifColorType& c = map->Colors[index];
  return OpaqueRgb(c.Red, c.Green, c.Blue);
}

// Draws the first frame's rows over the logical screen's visible part.
class FramePainter {
 public:
  FramePainter(const GifFileType& gif, int transparent, DecodedPicture& picture)
      : frame_(gif.Image), picture_(picture) {
    const ColorMapObject* map = frame_.ColorMap != nullptr ? frame_.ColorMap : gif.SColorMap;
    for (int i = 0; i < 256; ++i) colours_[static_cast<std::size_t>(i)] = ColourOf(map, i);
    transparent_ = transparent;
    columnEnd_ = std::clamp(picture.visibleWidth - frame_.Left, 0, frame_.Width);
  }

  // Frame rows [0, VisibleRows()) are the visible ones.
  int VisibleRows() const {
    return frame_.Left < picture_.visibleWidth
               ? std::clamp(picture_.visibleHeight - frame_.Top, 0, frame_.Height)
               : 0;
  }

  void Paint(int row, const std::vector<GifPixelType>& line) {
    std::uint32_t* out = picture_.pixels.data() +
                         static_cast<std::size_t>(frame_.Top + row) * picture_.visibleWidth +
                         frame_.Left;
    for (int x = 0; x < columnEnd_; ++x) {
      const int index = line[static_cast<std::size_t>(x)];
      if (index != transparent_) out[x] = colours_[static_cast<std::size_t>(index)];
    }
  }

 private:
  const GifImageDesc& frame_;
  DecodedPicture& picture_;
  std::array<std::uint32_t, 256> colours_{};
  int transparent_ = -1;
  int columnEnd_ = 0;
};

}  // namespace

DecodedPicture DecodeGif(const PictureFile& file, int maxWidth, int maxHeight) {
  GifReader reader(file);
  const int transparent = reader.SeekFirstFrame();
  const GifFileType& gif = reader.Gif();
  const GifImageDesc& frame = gif.Image;
  if (frame.Left < 0 || frame.Top < 0 || frame.Width < 0 || frame.Height < 0) {
    ThrowInvalidPicture(file.Path(), "is not a valid GIF file (bad frame position)");
  }
  const std::int64_t width = gif.SWidth > 0 ? gif.SWidth : std::int64_t{frame.Left} + frame.Width;
  const std::int64_t height =
      gif.SHeight > 0 ? gif.SHeight : std::int64_t{frame.Top} + frame.Height;
  CheckPictureSize(file.Path(), width, height);
  DecodedPicture picture =
      NewVisiblePart(static_cast<int>(width), static_cast<int>(height), maxWidth, maxHeight,
                     ColourOf(gif.SColorMap, gif.SBackGroundColor));
  FramePainter painter(gif, transparent, picture);
  const int rowsNeeded = painter.VisibleRows();
  if (rowsNeeded == 0) return picture;
  std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
  if (!frame.Interlace) {
    for (int row = 0; row < rowsNeeded; ++row) {
      reader.ReadLine(line);
      painter.Paint(row, line);
    }
    return picture;
  }
  // Visible rows come from all four passes, so most of the frame is decoded;
  // a frame larger than its file could describe, or than a picture may cost,
  // is refused first.
  if (std::int64_t{frame.Width} * frame.Height >
      kMaxLzwPixelsPerByte * static_cast<std::int64_t>(file.Size())) {
    ThrowInvalidPicture(file.Path(), "is truncated");
  }
  if (InterlacedRowsRead(rowsNeeded, frame.Height) * frame.Width > kMaxInterlacedPixels) {
    ThrowInvalidPicture(file.Path(), "is too large to decode");
  }
  int rowsPainted = 0;
  for (int pass = 0; pass < 4; ++pass) {
    for (int row = kPassStart[pass]; row < frame.Height; row += kPassStep[pass]) {
      reader.ReadLine(line);
      if (row >= rowsNeeded) continue;
      painter.Paint(row, line);
      if (++rowsPainted == rowsNeeded) return picture;
    }
  }
  return picture;
}

}  // namespace vs
