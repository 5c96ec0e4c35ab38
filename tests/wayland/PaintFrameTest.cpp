#include "platform/linux/wayland/PaintFrame.h"

#include <gtest/gtest.h>

#include <vector>

namespace vs {
namespace {

constexpr std::uint32_t kBlack = 0;
constexpr std::uint32_t kPadding = 0xDEADBEEF;

// A decoded picture whose pixel at (x, y) is 0xFF0000 + 16 * y + x, cut to its visible part.
DecodedPicture Picture(int width, int height, int visibleWidth, int visibleHeight) {
  DecodedPicture picture{width, height, visibleWidth, visibleHeight, {}};
  for (int y = 0; y < visibleHeight; ++y) {
    for (int x = 0; x < visibleWidth; ++x) {
      picture.pixels.push_back(0xFF0000u + static_cast<std::uint32_t>(16 * y + x));
    }
  }
  return picture;
}

struct Painted {
  int width, height, stride;
  std::vector<std::uint32_t> pixels;

  Painted(int w, int h, int s) : width(w), height(h), stride(s), pixels(s * h + s, kPadding) {}
  Frame frame() { return {pixels.data(), width, height, stride}; }
  std::uint32_t at(int x, int y) const { return pixels[y * stride + x]; }
};

TEST(PaintFrame, ShowsThePicturesTopLeftCutByTheBoxOnBlack) {
  // 6 x 4 of a larger picture decoded; the box was clamped to 4 x 3.
  const DecodedPicture picture = Picture(9, 7, 6, 4);
  Painted painted(8, 6, 10);
  PaintFrame(painted.frame(), &picture, {2, 1, 4, 3});
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool inBox = x >= 2 && x < 6 && y >= 1 && y < 4;
      const std::uint32_t expected =
          inBox ? 0xFF0000u + static_cast<std::uint32_t>(16 * (y - 1) + (x - 2)) : kBlack;
      EXPECT_EQ(painted.at(x, y), expected) << x << "," << y;
    }
    // Rows are `stride` apart; what lies past the width is not the frame's.
    EXPECT_EQ(painted.at(8, y), kPadding);
  }
}

TEST(PaintFrame, ABoxLargerThanItsPictureOrPastTheFrameIsCutWithoutOverrun) {
  const DecodedPicture picture = Picture(3, 2, 3, 2);
  Painted wide(5, 4, 5);
  PaintFrame(wide.frame(), &picture, {1, 1, 4, 3});
  EXPECT_EQ(wide.at(3, 2), 0xFF0000u + 16 + 2);
  EXPECT_EQ(wide.at(4, 2), kBlack);
  EXPECT_EQ(wide.at(1, 3), kBlack);
  // Hanging over every edge: only the part on the frame is drawn.
  Painted small(2, 1, 2);
  PaintFrame(small.frame(), &picture, {-1, -1, 3, 2});
  EXPECT_EQ(small.at(0, 0), 0xFF0000u + 16 + 1);
  EXPECT_EQ(small.at(1, 0), 0xFF0000u + 16 + 2);
  EXPECT_EQ(small.pixels[2], kPadding);
  // Hidden, or before its first picture: black all over.
  PaintFrame(wide.frame(), nullptr, {1, 1, 4, 3});
  EXPECT_EQ(wide.at(3, 2), kBlack);
}

}  // namespace
}  // namespace vs
