#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "DecodeSample.h"
#include "samples/SampleJpeg.h"

namespace vs::samples {
namespace {

// The upright picture: its sides are on no block boundary, while the visible part of a turned
// picture starts on one (205 - 77 and 141 - 45 are multiples of 16).
constexpr int kWidth = 205, kHeight = 141;
constexpr int kScreenWidth = 77, kScreenHeight = 45;

void Shell(const std::string& command) { ASSERT_EQ(std::system(command.c_str()), 0) << command; }

// What ImageMagick does to an upright picture to store it with each Exif
// orientation, 1 to 8.
const char* const kStoring[] = {"",           "-flop",       "-rotate 180", "-flip",
                                "-transpose", "-rotate 270", "-transverse", "-rotate 90"};

class JpegOrientationTest : public ::testing::TestWithParam<int> {};

// The screen shows the top-left part of the picture as ImageMagick turns it
// upright; odd orientations are baseline files with little-endian Exif, even
// ones progressive with big-endian Exif.
TEST_P(JpegOrientationTest, ShowsTopLeftOfUprightPicture) {
  const int orientation = GetParam();
  const TempDir dir;
  std::string ppm = "P6\n" + std::to_string(kWidth) + " " + std::to_string(kHeight) + "\n255\n";
  for (const std::uint32_t pixel : PhotoPixels(kWidth, kHeight, 5)) {
    ppm +=
        {static_cast<char>(pixel >> 16), static_cast<char>(pixel >> 8), static_cast<char>(pixel)};
  }
  WriteText(dir / "upright.ppm", ppm);
  const std::string stored = dir / "stored.jpg", upright = dir / "upright.rgb";
  Shell("/usr/bin/convert " + dir / "upright.ppm" + " " + kStoring[orientation - 1] +
        " -quality 90 -sampling-factor 2x2 " + (orientation % 2 ? "" : "-interlace JPEG ") +
        stored);
  Shell("exiftool -q -overwrite_original -n -ExifByteOrder=" +
        std::string(orientation % 2 ? "II" : "MM") +
        " -Orientation=" + std::to_string(orientation) + " " + stored);
  Shell("/usr/bin/convert " + stored + " -auto-orient -depth 8 rgb:" + upright);
  const std::string rgb = ReadFile(upright);
  ASSERT_EQ(rgb.size(), std::size_t{kWidth} * kHeight * 3);
  Pixels expected(std::size_t{kWidth} * kHeight);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(rgb.data() + i * 3);
    expected[i] = 0xFF000000u | std::uint32_t{bytes[0]} << 16 | bytes[1] << 8 | bytes[2];
  }
  // The same libjpeg decodes for ImageMagick: no tolerance is needed.
  ExpectTopLeftOf(DecodePictureFile(stored, kScreenWidth, kScreenHeight), expected, kWidth, kHeight,
                  kScreenWidth, kScreenHeight);
}

INSTANTIATE_TEST_SUITE_P(Exif, JpegOrientationTest, ::testing::Range(1, 9));

// A malformed Exif block never moves a read outside it and leaves the picture
// upright; the well-formed one beside them shows the block is read at all.
TEST(JpegOrientationTest, MalformedExifDecodesUpright) {
  const Bytes jpeg = EncodeJpeg(64, 40, PhotoRows(64, 40, 3), {});
  const Pixels upright = DecodeBytes(jpeg, 30, 20).pixels;
  // Big-endian IFD0 at 8 with one entry: Orientation, SHORT, count 1, value 3.
  const Bytes good{'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, 3, 0, 0};
  EXPECT_NE(DecodeBytes(WithExif(jpeg, good), 30, 20).pixels, upright);

  const Bytes malformed[] = {
      Bytes(good.begin(), good.end() - 6),                          // the IFD cut short
      {'I', 'I', 42, 0, 0xF0, 0xFF, 0xFF, 0xFF, 1, 0},              // IFD0 past the end
      {'M', 'M', 0, 42, 0, 0, 0, 8, 0xFF, 0xFF, 0x01, 0x13, 0, 3},  // more entries than bytes
      {'M',  'M', 0, 42, 0, 0, 0, 8, 0, 1, 0x01,
       0x12, 0,   3, 0,  0, 0, 1, 0, 9, 0, 0},  // no such value
      {'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0, 4, 0xFF, 0xFF, 0xFF, 0xFF, 0, 3, 0, 0},
      {'M', 'M', 0, 42},  // no IFD offset
  };
  for (const Bytes& tiff : malformed) {
    EXPECT_EQ(DecodeBytes(WithExif(jpeg, tiff), 30, 20).pixels, upright);
  }
}

}  // namespace
}  // namespace vs::samples
