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

// A black GIF on a 100 x 100 screen whose first frame is frameWidth x
// frameHeight, interlaced, with LZW data in which each code is one pixel
// longer than the last: `cycles` x about 8 million pixels in 5.6 KB each.
Bytes LongLzwGif(int frameWidth, int frameHeight, int cycles) {
  Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 100, 0, 100, 0, 0x80, 0, 0, 0, 0, 0, 0, 0, 0};
  const auto little = [&gif](int value) {
    gif.push_back(static_cast<std::uint8_t>(value));
    gif.push_back(static_cast<std::uint8_t>(value >> 8));
  };
  gif.push_back(',');
  little(0), little(0), little(frameWidth), little(frameHeight);
  gif.push_back(0x40);  // interlaced, no local palette
  gif.push_back(2);     // minimum code size: clear 4, end 5, first free code 6
  Bytes data;
  std::uint32_t bits = 0;
  int count = 0;
  const auto put = [&](int code, int width) {
    bits |= static_cast<std::uint32_t>(code) << count;
    for (count += width; count >= 8; count -= 8, bits >>= 8) {
      data.push_back(static_cast<std::uint8_t>(bits));
    }
  };
  int width = 3;
  for (int cycle = 0; cycle < cycles; ++cycle) {
    put(4, width);
    width = 3;
    put(0, width);
    for (int code = 6; code <= 4000; ++code) {
      put(code, width);  // the entry the decoder is about to add
      if (code + 1 == (1 << width) && width < 12) ++width;
    }
  }
  put(5, width);
  put(0, 8 - count);
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t size = std::min<std::size_t>(255, data.size() - at);
    gif.push_back(static_cast<std::uint8_t>(size));
    gif.insert(gif.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
               data.begin() + static_cast<std::ptrdiff_t>(at + size));
  }
  gif.push_back(0);
  gif.push_back(';');
  return gif;
}

// 1.6 MB that really expand to the 2.1 billion pixels before the second row of
// an interlaced 65535 x 65535 frame: refused instead of seconds of work. The
// same data on a sensible frame decodes, so the refusal is about the frame.
TEST(GifDecodeTest, InterlacedFrameTooCostlyToReachIsRefused) {
  const DecodedPicture small = DecodeBytes(LongLzwGif(2000, 4000, 1), 100, 100);
  EXPECT_EQ(small.pixels[5050], 0xFF000000u);
  const std::string failure = FailureOf(LongLzwGif(65535, 65535, 285), 100, 100);
  EXPECT_NE(failure.find("is too large to decode"), std::string::npos) << failure;
}

}  // namespace
}  // namespace vs::samples
