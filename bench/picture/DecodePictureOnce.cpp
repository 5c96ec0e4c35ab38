// Decodes one picture for a 1920 x 1080 screen, for instruction counts:
//   valgrind --tool=callgrind decode_picture_once <file> [--whole]
// --whole decodes every pixel of a JPEG, as a common viewer does.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/RuntimeFailure.h"
#include "formats/picture/DecodePicture.h"
#include "samples/SampleJpeg.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <picture> [--whole]\n", argv[0]);
    return 2;
  }
  try {
    if (argc > 2 && std::strcmp(argv[2], "--whole") == 0) {
      std::ifstream in(argv[1], std::ios::binary);
      const vs::samples::Bytes bytes{std::istreambuf_iterator<char>(in), {}};
      int width = 0, height = 0;
      const auto pixels = vs::samples::DecodeJpegFully(bytes, width, height);
      std::printf("%d x %d, %zu pixels decoded\n", width, height, pixels.size());
      return 0;
    }
    const vs::DecodedPicture picture = vs::DecodePictureFile(argv[1], 1920, 1080);
    std::printf("%d x %d, %d x %d visible\n", picture.width, picture.height, picture.visibleWidth,
                picture.visibleHeight);
  } catch (const vs::RuntimeFailure& failure) {
    std::fprintf(stderr, "%s\n", failure.what());
    return 1;
  }
  return 0;
}
