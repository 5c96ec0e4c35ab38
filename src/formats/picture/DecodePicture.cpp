#include "formats/picture/DecodePicture.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "formats/io/PictureFile.h"
#include "formats/picture/FormatDecoders.h"
#include "formats/picture/PictureSupport.h"

namespace vs {

namespace {

bool StartsWith(const unsigned char* data, std::size_t size, const char* magic,
                std::size_t magicSize) {
  return size >= magicSize && std::memcmp(data, magic, magicSize) == 0;
}

}  // namespace

DecodedPicture DecodePictureFile(const std::string& path, int maxWidth, int maxHeight) {
  const PictureFile file(path);
  unsigned char magic[6] = {};
  const std::size_t size = file.ReadSomeAt(0, magic, sizeof magic);
  maxWidth = std::max(maxWidth, 0);
  maxHeight = std::max(maxHeight, 0);
  try {
    if (StartsWith(magic, size, "\xFF\xD8\xFF", 3)) return DecodeJpeg(file, maxWidth, maxHeight);
    if (StartsWith(magic, size, "BM", 2)) return DecodeBmp(file, maxWidth, maxHeight);
    if (StartsWith(magic, size, "GIF87a", 6) || StartsWith(magic, size, "GIF89a", 6)) {
      return DecodeGif(file, maxWidth, maxHeight);
    }
  } catch (const std::bad_alloc&) {
    ThrowInvalidPicture(path, "is too large to decode");
  }
  ThrowInvalidPicture(path, "is not a BMP, JPEG or GIF file");
}

}  // namespace vs
