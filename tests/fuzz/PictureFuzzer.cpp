// One decoder: inputs that do not start like its format are passed over, so
// each target spends its time in its own decoder.
#include <algorithm>
#include <cstring>
#include <string>

#include "core/RuntimeFailure.h"
#include "formats/picture/DecodePicture.h"
#include "fuzz/FuzzCheck.h"
#include "samples/SampleFiles.h"

namespace {

using vs::fuzz::Require;

constexpr int kScreenWidth = 1920, kScreenHeight = 1080;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kMagicSize = sizeof VS_FUZZ_MAGIC - 1;
  if (size < kMagicSize || std::memcmp(data, VS_FUZZ_MAGIC, kMagicSize) != 0) return -1;
  static const vs::samples::TempDir folder;
  const std::string path = folder.Write("picture" VS_FUZZ_EXTENSION, {data, data + size});
  vs::DecodedPicture picture;
  try {
    picture = vs::DecodePictureFile(path, kScreenWidth, kScreenHeight);
  } catch (const vs::RuntimeFailure&) {
    return 0;
  }
  Require(picture.width > 0 && picture.height > 0, "a decoded picture has a size");
  Require(picture.visibleWidth == std::min(picture.width, kScreenWidth) &&
              picture.visibleHeight == std::min(picture.height, kScreenHeight),
          "the visible part is the top-left screenful");
  Require(picture.pixels.size() ==
              static_cast<std::size_t>(picture.visibleWidth) * picture.visibleHeight,
          "every visible pixel is there");
  Require(std::all_of(picture.pixels.begin(), picture.pixels.end(),
                      [](std::uint32_t pixel) { return pixel >> 24 == 0xFF; }),
          "pixels are opaque");
  return 0;
}
