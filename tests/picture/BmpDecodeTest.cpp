#include <gtest/gtest.h>

#include "DecodeSample.h"
#include "samples/SampleBmp.h"

namespace vs::samples {
namespace {

struct BmpCase {
  const char* name;
  BmpOptions options;
};

class BmpRegionTest : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpRegionTest, VisiblePartEqualsSource) {
  const BmpOptions& options = GetParam().options;
  struct Size {
    int width, height, maxWidth, maxHeight;
  };
  // Odd widths leave row padding and split bytes of 1- and 4-bit rows.
  const Size sizes[] = {{13, 7, 40, 30}, {24, 16, 24, 16}, {61, 37, 19, 11}, {61, 37, 61, 5}};
  for (const Size& s : sizes) {
    SCOPED_TRACE(std::to_string(s.width) + "x" + std::to_string(s.height) + " on " +
                 std::to_string(s.maxWidth) + "x" + std::to_string(s.maxHeight));
    const BmpSource source = BmpPhoto(s.width, s.height, options.bitsPerPixel, 11);
    ExpectTopLeftOf(DecodeBytes(EncodeBmp(source, options), s.maxWidth, s.maxHeight),
                    ExpectedBmpColours(source, options), s.width, s.height, s.maxWidth,
                    s.maxHeight);
  }
}

constexpr BmpHeader kInfo = BmpHeader::kInfo;
constexpr BmpCoding kPlain = BmpCoding::kPlain;

INSTANTIATE_TEST_SUITE_P(
    Variants, BmpRegionTest,
    ::testing::Values(BmpCase{"Rgb24", {24}}, BmpCase{"Rgb24TopDown", {24, kInfo, kPlain, true}},
                      BmpCase{"Rgb32", {32}}, BmpCase{"Rgb16", {16}},
                      BmpCase{"Bitfields16", {16, kInfo, BmpCoding::kBitfields}},
                      BmpCase{"Bitfields32V5", {32, BmpHeader::kV5, BmpCoding::kBitfields}},
                      BmpCase{"Palette8", {8}},
                      BmpCase{"Palette4TopDown", {4, kInfo, kPlain, true}},
                      BmpCase{"Palette1", {1}}, BmpCase{"V5Rgb24", {24, BmpHeader::kV5}},
                      BmpCase{"CorePalette8", {8, BmpHeader::kCore}},
                      BmpCase{"CoreRgb24", {24, BmpHeader::kCore}},
                      BmpCase{"Rle8", {8, kInfo, BmpCoding::kRle}},
                      BmpCase{"Rle4", {4, kInfo, BmpCoding::kRle}}),
    [](const ::testing::TestParamInfo<BmpCase>& param) { return std::string(param.param.name); });

Bytes SmallBmp(int bitsPerPixel, BmpCoding coding = BmpCoding::kPlain) {
  return EncodeBmp(BmpPhoto(21, 9, bitsPerPixel, 2), {bitsPerPixel, kInfo, coding});
}

void SetU32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(BmpDecodeTest, RleDeltaAndEarlyEndLeaveSkippedPixelsBlack) {
  Bytes bmp = SmallBmp(8, BmpCoding::kRle);
  const std::size_t offset = bmp[10] | (bmp[11] << 8);
  bmp.resize(offset);
  // Bottom row: 3 pixels of index 255, then move 2 right and 7 up (to the
  // top row), 2 pixels of index 0, end of bitmap.
  const Bytes stream = {3, 255, 0, 2, 2, 8, 2, 0, 0, 1};
  bmp.insert(bmp.end(), stream.begin(), stream.end());
  const BmpSource source = BmpPhoto(21, 9, 8, 2);
  const DecodedPicture picture = DecodeBytes(bmp, 21, 9);
  const std::uint32_t black = 0xFF000000u;
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 21; ++x) {
      std::uint32_t expected = black;
      if (y == 8 && x < 3) expected = source.palette[255];
      if (y == 0 && (x == 5 || x == 6)) expected = source.palette[0];
      ASSERT_EQ(picture.pixels[static_cast<std::size_t>(y * 21 + x)], expected) << x << "," << y;
    }
  }
}

TEST(BmpDecodeTest, MissingLastRowPaddingIsTolerated) {
  Bytes bmp = SmallBmp(24);  // 21 * 3 = 63 bytes per row, one of padding
  bmp.pop_back();
  EXPECT_EQ(DecodeBytes(bmp, 21, 9).pixels.size(), 21u * 9u);
}

TEST(BmpDecodeTest, TruncatedFilesFail) {
  for (const Bytes& good : {SmallBmp(24), SmallBmp(4, BmpCoding::kRle)}) {
    const Bytes cut(good.begin(), good.end() - 8);
    EXPECT_NE(FailureOf(cut, 10, 3).find("is truncated"), std::string::npos);
  }
  Bytes header = SmallBmp(8);
  header.resize(30);
  EXPECT_NE(FailureOf(header, 10, 3).find("is truncated"), std::string::npos);
}

TEST(BmpDecodeTest, AbsurdOrInvalidHeadersFail) {
  struct Patch {
    std::size_t at;
    std::uint32_t value;
    const char* problem;
  };
  const Patch patches[] = {
      {18, 100000, "is truncated"},        // width 100000 x height 10000
      {22, 0x80000000u, "is too large"},   // height INT32_MIN
      {18, 0xFFFFFFF0u, "has no pixels"},  // negative width
      {30, 4, "unsupported BMP variant"},  // BI_JPEG
      {14, 20, "unsupported BMP header"},
  };
  for (const Patch& patch : patches) {
    Bytes bmp = SmallBmp(24);
    SetU32(bmp, patch.at, patch.value);
    if (patch.value == 100000) SetU32(bmp, 22, 10000);
    EXPECT_NE(FailureOf(bmp, 1920, 1080).find(patch.problem), std::string::npos) << patch.problem;
  }
  Bytes huge = SmallBmp(24);
  SetU32(huge, 18, 2000000), SetU32(huge, 22, 2000000);
  EXPECT_NE(FailureOf(huge, 1920, 1080).find("is too large"), std::string::npos);
}

TEST(BmpDecodeTest, DamagedFilesFailCleanly) {
  ExpectDamageIsHandled(SmallBmp(24), 15, 5);
  ExpectDamageIsHandled(SmallBmp(4), 15, 5);
  ExpectDamageIsHandled(SmallBmp(8, BmpCoding::kRle), 15, 5);
  ExpectDamageIsHandled(SmallBmp(4, BmpCoding::kRle), 15, 5);
}

}  // namespace
}  // namespace vs::samples
