#include <gtest/gtest.h>

#include "DecodeSample.h"
#include "samples/SampleGif.h"

namespace vs::samples {
namespace {

GifSource OneFrame(int screenWidth, int screenHeight, GifFrame frame) {
  GifSource source{screenWidth, screenHeight, 3, GifPalette(), {}};
  source.frames.push_back(std::move(frame));
  return source;
}

void ExpectFirstFrameShown(const GifSource& source, int maxWidth, int maxHeight) {
  ExpectTopLeftOf(DecodeBytes(EncodeGif(source), maxWidth, maxHeight), FirstFrameColours(source),
                  source.width, source.height, maxWidth, maxHeight);
}

class GifRegionTest : public ::testing::TestWithParam<bool> {};

TEST_P(GifRegionTest, VisiblePartEqualsFirstFrame) {
  const bool interlaced = GetParam();
  struct Size {
    int width, height, maxWidth, maxHeight;
  };
  const Size sizes[] = {{13, 7, 40, 30}, {24, 16, 24, 16}, {61, 37, 19, 11}, {61, 37, 61, 3}};
  for (const Size& s : sizes) {
    SCOPED_TRACE(std::to_string(s.width) + "x" + std::to_string(s.height) + " on " +
                 std::to_string(s.maxWidth) + "x" + std::to_string(s.maxHeight));
    GifFrame frame = GifPhotoFrame(0, 0, s.width, s.height, 5);
    frame.interlaced = interlaced;
    ExpectFirstFrameShown(OneFrame(s.width, s.height, frame), s.maxWidth, s.maxHeight);
  }
}

INSTANTIATE_TEST_SUITE_P(Layouts, GifRegionTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& param) {
                           return std::string(param.param ? "Interlaced" : "Sequential");
                         });

// A frame placed inside the screen, with transparent pixels showing the
// background, and frames that spill over the screen's edge or lie off-screen.
TEST(GifDecodeTest, FramePositionBackgroundAndTransparency) {
  for (const bool interlaced : {false, true}) {
    GifFrame frame = GifPhotoFrame(7, 5, 30, 20, 8);
    frame.interlaced = interlaced;
    frame.transparent = frame.indexes[40];
    ExpectFirstFrameShown(OneFrame(50, 40, frame), 50, 40);
    ExpectFirstFrameShown(OneFrame(50, 40, frame), 20, 12);
    ExpectFirstFrameShown(OneFrame(30, 22, frame), 30, 22);  // frame larger than the screen
    ExpectFirstFrameShown(OneFrame(50, 40, frame), 6, 40);   // frame right of the screen
    ExpectFirstFrameShown(OneFrame(50, 40, frame), 50, 4);   // frame below the screen
  }
}

TEST(GifDecodeTest, AnimationShowsFirstFrame) {
  GifSource source = OneFrame(40, 30, GifPhotoFrame(0, 0, 40, 30, 1));
  source.frames.push_back(GifPhotoFrame(0, 0, 40, 30, 2));
  ExpectFirstFrameShown(source, 40, 30);
}

TEST(GifDecodeTest, EmptyScreenSizeTakesFrameExtent) {
  const GifSource source = OneFrame(0, 0, GifPhotoFrame(3, 2, 20, 10, 4));
  const DecodedPicture picture = DecodeBytes(EncodeGif(source), 100, 100);
  EXPECT_EQ(picture.width, 23);
  EXPECT_EQ(picture.height, 12);
}

TEST(GifDecodeTest, TruncatedOrBrokenFilesFail) {
  for (const bool interlaced : {false, true}) {
    GifFrame frame = GifPhotoFrame(0, 0, 60, 40, 6);
    frame.interlaced = interlaced;
    const Bytes gif = EncodeGif(OneFrame(60, 40, frame));
    const Bytes cut(gif.begin(), gif.begin() + static_cast<std::ptrdiff_t>(gif.size() / 2));
    EXPECT_NE(FailureOf(cut, 60, 40).find("is truncated"), std::string::npos);
    ExpectDamageIsHandled(gif, 30, 30);
  }
  const Bytes noImage = {'G', 'I', 'F', '8', '9', 'a', 4, 0, 4, 0, 0, 0, 0, ';'};
  EXPECT_NE(FailureOf(noImage, 10, 10).find("holds no image"), std::string::npos);
}

TEST(GifDecodeTest, AbsurdSizesFail) {
  // A 65535 x 65535 screen exceeds the gigapixel limit.
  Bytes screen = EncodeGif(OneFrame(20, 20, GifPhotoFrame(0, 0, 20, 20, 1)));
  screen[6] = screen[7] = screen[8] = screen[9] = 0xFF;
  EXPECT_NE(FailureOf(screen, 1920, 1080).find("is too large"), std::string::npos);
  // An interlaced 30000 x 30000 frame cannot come from a few hundred bytes.
  GifFrame frame = GifPhotoFrame(0, 0, 20, 20, 1);
  frame.interlaced = true;
  Bytes gif = EncodeGif(OneFrame(30000, 30000, frame));
  const std::size_t at = 13 + 256 * 3;  // after the header and the global palette
  ASSERT_EQ(gif[at], ',');
  gif[at + 5] = 0x30, gif[at + 6] = 0x75, gif[at + 7] = 0x30, gif[at + 8] = 0x75;
  EXPECT_NE(FailureOf(gif, 1920, 1080).find("is truncated"), std::string::npos);
}

}  // namespace
}  // namespace vs::samples
