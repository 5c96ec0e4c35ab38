#include "samples/SampleGif.h"

#include <gif_lib.h>

#include <stdexcept>

namespace vs::samples {

namespace {

int WriteBytes(GifFileType* gif, const GifByteType* data, int count) {
  auto* out = static_cast<Bytes*>(gif->UserData);
  out->insert(out->end(), data, data + count);
  return count;
}

void Check(int result, const char* what) {
  if (result == GIF_ERROR) throw std::runtime_error(std::string("giflib: ") + what);
}

ColorMapObject* NewMap(const Pixels& palette) {
  std::vector<GifColorType> colours;
  for (const std::uint32_t c : palette) {
    colours.push_back({static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8),
                       static_cast<GifByteType>(c)});
  }
  return GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
}

void PutFrame(GifFileType* gif, const GifFrame& frame) {
  if (frame.transparent >= 0) {
    const GifByteType control[4] = {1, 0, 0, static_cast<GifByteType>(frame.transparent)};
    Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control), "extension");
  }
  Check(EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, frame.interlaced,
                         nullptr),
        "image");
  std::vector<int> order;
  if (frame.interlaced) {
    const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
      for (int y = start[pass]; y < frame.height; y += step[pass]) order.push_back(y);
    }
  } else {
    for (int y = 0; y < frame.height; ++y) order.push_back(y);
  }
  for (const int y : order) {
    std::vector<GifPixelType> line(
        frame.indexes.begin() + static_cast<std::ptrdiff_t>(y) * frame.width,
        frame.indexes.begin() + static_cast<std::ptrdiff_t>(y + 1) * frame.width);
    Check(EGifPutLine(gif, line.data(), frame.width), "line");
  }
}

}  // namespace

Pixels GifPalette() {
  Pixels palette;
  for (std::uint32_t i = 0; i < 256; ++i) {
    palette.push_back(0xFF000000u | (i << 16) | (((i * 7) & 0xFF) << 8) | (255 - i));
  }
  return palette;
}

GifFrame GifPhotoFrame(int left, int top, int width, int height, unsigned seed) {
  GifFrame frame{left, top, width, height, {}, false, -1};
  for (const std::uint32_t c : PhotoPixels(width, height, seed)) {
    frame.indexes.push_back(static_cast<std::uint8_t>(((c >> 16) + (c >> 8)) & 0xFF));
  }
  return frame;
}

Pixels FirstFrameColours(const GifSource& source) {
  Pixels screen(static_cast<std::size_t>(source.width) * static_cast<std::size_t>(source.height),
                source.palette[static_cast<std::size_t>(source.background)]);
  const GifFrame& frame = source.frames.at(0);
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) {
      const int index = frame.indexes[static_cast<std::size_t>(y) * frame.width + x];
      const int sx = frame.left + x, sy = frame.top + y;
      if (index == frame.transparent || sx >= source.width || sy >= source.height) continue;
      screen[static_cast<std::size_t>(sy) * source.width + sx] =
          source.palette[static_cast<std::size_t>(index)];
    }
  }
  return screen;
}

Bytes EncodeGif(const GifSource& source) {
  Bytes out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, WriteBytes, &error);
  if (gif == nullptr) throw std::runtime_error("EGifOpen failed");
  ColorMapObject* map = NewMap(source.palette);
  EGifSetGifVersion(gif, true);
  Check(EGifPutScreenDesc(gif, source.width, source.height, 8, source.background, map), "screen");
  for (const GifFrame& frame : source.frames) PutFrame(gif, frame);
  GifFreeMapObject(map);
  Check(EGifCloseFile(gif, &error), "close");
  return out;
}

}  // namespace vs::samples
