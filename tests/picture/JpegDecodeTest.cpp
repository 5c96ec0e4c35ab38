#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <chrono>
#include <utility>

#include "DecodeSample.h"
#include "samples/SampleJpeg.h"

namespace vs::samples {
namespace {

struct JpegCase {
  const char* name;
  JpegOptions options;
};

class JpegRegionTest : public ::testing::TestWithParam<JpegCase> {};

// The cropped decode must equal the top-left part of a full decode exactly,
// including the last visible column (chroma upsampling looks one column
// further) and the last visible row (it looks one row further).
TEST_P(JpegRegionTest, VisiblePartEqualsFullDecode) {
  struct Size {
    int width, height, maxWidth, maxHeight;
  };
  const Size sizes[] = {
      {37, 29, 100, 80},                        // smaller than the screen
      {64, 48, 64, 48},                         // exactly the screen
      {203, 131, 77, 45},                       // larger; nothing on an 8 or 16 boundary
      {203, 131, 64, 48},                       // larger; screen edge on an MCU boundary
      {203, 131, 65, 33},                       // one column into the next MCU
      {203, 131, 1, 1},   {203, 131, 250, 45},  // wider screen, shorter screen
      {203, 131, 1, 45},  {203, 131, 2, 45},   {203, 131, 3, 30},  // a few columns
  };
  for (const Size& s : sizes) {
    SCOPED_TRACE(std::to_string(s.width) + "x" + std::to_string(s.height) + " on " +
                 std::to_string(s.maxWidth) + "x" + std::to_string(s.maxHeight));
    const Bytes jpeg =
        EncodeJpeg(s.width, s.height, PhotoRows(s.width, s.height, 3), GetParam().options);
    int width = 0, height = 0;
    const Pixels full = DecodeJpegFully(jpeg, width, height);
    ExpectTopLeftOf(DecodeBytes(jpeg, s.maxWidth, s.maxHeight), full, width, height, s.maxWidth,
                    s.maxHeight);
  }
}

INSTANTIATE_TEST_SUITE_P(Variants, JpegRegionTest,
                         ::testing::Values(JpegCase{"Baseline420", {}},
                                           JpegCase{"Baseline422", {90, false, false, false, 2, 1}},
                                           JpegCase{"Baseline444", {90, false, false, false, 1, 1}},
                                           JpegCase{"Progressive", {90, true}},
                                           JpegCase{"Grayscale", {90, false, true}},
                                           JpegCase{"Arithmetic", {90, false, false, true}}),
                         [](const ::testing::TestParamInfo<JpegCase>& param) {
                           return std::string(param.param.name);
                         });

// A picture shown from its stored right side is cropped on the left, where
// libjpeg takes the crop's edge for the picture's: in block smoothing, which
// reaches two blocks (32 columns at 4:2:0) into a progressive file with scans
// missing, and in the chroma upsampling of a crop a few columns wide.
TEST(JpegDecodeTest, TurnedVisiblePartEqualsFullDecode) {
  JpegOptions baseline, missingScans;
  missingScans.progressive = true;
  missingScans.scans = 3;
  const std::pair<int, int> screens[] = {{20, 45}, {45, 20}, {1, 45}, {45, 1}, {1, 1}};
  for (const int orientation : {2, 3, 7, 8}) {
    for (JpegOptions options : {baseline, missingScans}) {
      options.exifOrientation = orientation;
      const Bytes jpeg = EncodeJpeg(130, 70, PhotoRows(130, 70, 8), options);
      const DecodedPicture full = DecodeBytes(jpeg, 1000, 1000);
      for (const auto& [maxWidth, maxHeight] : screens) {
        SCOPED_TRACE("orientation " + std::to_string(orientation) + ", " +
                     std::to_string(options.scans) + " scans, on " + std::to_string(maxWidth) +
                     "x" + std::to_string(maxHeight));
        ExpectTopLeftOf(DecodeBytes(jpeg, maxWidth, maxHeight), full.pixels, full.width,
                        full.height, maxWidth, maxHeight);
      }
    }
  }
}

TEST(JpegDecodeTest, LargerPhotoOnScreenSizedRegion) {
  const Bytes jpeg = EncodeJpeg(1500, 1000, PhotoRows(1500, 1000, 9), {});
  int width = 0, height = 0;
  const Pixels full = DecodeJpegFully(jpeg, width, height);
  ExpectTopLeftOf(DecodeBytes(jpeg, 1024, 768), full, width, height, 1024, 768);
}

TEST(JpegDecodeTest, PixelsAreOpaque) {
  const DecodedPicture picture = DecodeBytes(EncodeJpeg(40, 30, PhotoRows(40, 30, 1), {}), 20, 20);
  for (const std::uint32_t pixel : picture.pixels) ASSERT_EQ(pixel >> 24, 0xFFu);
}

TEST(JpegDecodeTest, AdobeCmykBecomesRgb) {
  // Inverted CMYK: cyan ink 0, magenta and yellow full, no black: red.
  const DecodedPicture picture = DecodeBytes(EncodeFlatCmykJpeg(24, 16, 255, 0, 0, 255), 10, 10);
  ASSERT_EQ(picture.pixels.size(), 100u);
  const std::uint32_t pixel = picture.pixels[55];
  EXPECT_GE((pixel >> 16) & 0xFF, 250u);
  EXPECT_LE((pixel >> 8) & 0xFF, 5u);
  EXPECT_LE(pixel & 0xFF, 5u);
}

TEST(JpegDecodeTest, TruncationInsideVisibleRowsFails) {
  const Bytes jpeg = EncodeJpeg(300, 200, PhotoRows(300, 200, 4), {});
  const Bytes cut(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(jpeg.size() * 2 / 5));
  EXPECT_NE(FailureOf(cut, 300, 200).find("is truncated"), std::string::npos);

  JpegOptions progressive;
  progressive.progressive = true;
  const Bytes pjpeg = EncodeJpeg(300, 200, PhotoRows(300, 200, 4), progressive);
  const Bytes pcut(pjpeg.begin(),
                   pjpeg.begin() + static_cast<std::ptrdiff_t>(pjpeg.size() * 9 / 10));
  EXPECT_NE(FailureOf(pcut, 10, 10).find("is truncated"), std::string::npos);
}

// Rows below the screen are never read, so a cut there does not matter and
// the result is the same on every run.
TEST(JpegDecodeTest, TruncationBelowVisibleRowsDecodes) {
  const Bytes jpeg = EncodeJpeg(300, 200, PhotoRows(300, 200, 4), {});
  const Bytes cut(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(jpeg.size() * 4 / 5));
  int width = 0, height = 0;
  const Pixels full = DecodeJpegFully(jpeg, width, height);
  ExpectTopLeftOf(DecodeBytes(cut, 120, 32), full, width, height, 120, 32);
}

TEST(JpegDecodeTest, AbsurdHeaderFailsWithoutHugeAllocation) {
  JpegOptions progressive;
  progressive.progressive = true;
  for (const JpegOptions& options : {JpegOptions{}, progressive}) {
    const Bytes jpeg =
        WithFrameSize(EncodeJpeg(64, 64, PhotoRows(64, 64, 2), options), 65000, 65000);
    const std::string failure = FailureOf(jpeg, 1920, 1080);
    EXPECT_NE(failure.find("Invalid picture:"), std::string::npos) << failure;
  }
}

TEST(JpegDecodeTest, DamagedFilesFailCleanly) {
  JpegOptions progressive;
  progressive.progressive = true;
  ExpectDamageIsHandled(EncodeJpeg(70, 50, PhotoRows(70, 50, 5), {}), 40, 40);
  ExpectDamageIsHandled(EncodeJpeg(70, 50, PhotoRows(70, 50, 5), progressive), 40, 40);
  EXPECT_NE(FailureOf({0xFF, 0xD8, 0xFF, 0xE0, 0, 0, 1, 2, 3}, 10, 10).find("is "),
            std::string::npos);
}

// Files that make libjpeg pass over every block many times with little data:
// scans without data (libjpeg fills them with zeros), thousands of scans, and
// an arithmetic-coded picture claiming far more pixels than its bytes hold.
TEST(JpegDecodeTest, ScanBombsFail) {
  JpegOptions progressive;
  progressive.progressive = true;
  progressive.grayscale = true;
  const Bytes jpeg = EncodeJpeg(400, 300, PhotoRows(400, 300, 6), progressive);
  const auto scans = JpegScans(jpeg);
  ASSERT_GE(scans.size(), 2u);
  EXPECT_NE(FailureOf(WithEmptyScans(jpeg, 3000), 400, 300).find("is truncated"),
            std::string::npos);

  const auto at = [&](std::size_t offset) {
    return jpeg.begin() + static_cast<std::ptrdiff_t>(offset);
  };
  Bytes many(jpeg.begin(), at(scans[1].second));
  for (int i = 0; i < 300; ++i) many.insert(many.end(), at(scans[1].first), at(scans[1].second));
  many.insert(many.end(), at(scans[1].second), jpeg.end());
  const std::string manyFailure = FailureOf(many, 400, 300);
  EXPECT_NE(manyFailure.find("has too many scans"), std::string::npos) << manyFailure;

  JpegOptions arithmetic;
  arithmetic.arithmetic = true;
  const Bytes claimed =
      WithFrameSize(EncodeJpeg(64, 64, PhotoRows(64, 64, 2), arithmetic), 22000, 22000);
  EXPECT_NE(FailureOf(claimed, 1920, 1080).find("is truncated"), std::string::npos);
}

// The process's peak memory use so far; 0 where unknown.
long PeakKilobytes() {
#ifdef _WIN32
  return 0;
#else
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
#endif
}

// Arithmetic coding reads a scan without data as zeros and never says so: 128
// such scans over 65496 x 1144 pixels in 2 KB took 16 s and 492 MB. Over 64
// rows the coefficients fit what the bytes may ask for, the scans do not.
TEST(JpegDecodeTest, ArithmeticEmptyScansFailQuickly) {
  JpegOptions arithmetic;
  arithmetic.progressive = true;
  arithmetic.arithmetic = true;
  arithmetic.lumaH = arithmetic.lumaV = 1;
  const Bytes jpeg = EncodeJpeg(16, 16, PhotoRows(16, 16, 3), arithmetic);
  for (const int height : {1144, 64}) {
    const Bytes bomb = WithEmptyScans(WithFrameSize(jpeg, 65496, height), 128);
    const long peakBefore = PeakKilobytes();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_NE(FailureOf(bomb, 1920, 1080).find("is truncated"), std::string::npos) << height;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << height;
    EXPECT_LT(PeakKilobytes() - peakBefore, 100 * 1024) << height;
  }
}

}  // namespace
}  // namespace vs::samples
