#include "platform/linux/wayland/OutputLayout.h"

#include <gtest/gtest.h>

#include "platform/linux/wayland/SurfaceScale.h"

namespace vs {
namespace {

TEST(FormOutput, IsTheOneAtTheOriginElseTheFirstAnnounced) {
  EXPECT_EQ(ChooseFormOutput({{1280, 0}, {0, 0}, {-800, 0}}), 1u);
  EXPECT_EQ(ChooseFormOutput({{1280, 0}, {0, 600}, {-800, 0}}), 0u);
  EXPECT_EQ(ChooseFormOutput({}), std::nullopt);
}

TEST(FormPosition, PointerOverACoverIsInTheFormsDevicePixels) {
  // The form at scale 2; covers at scale 1 to its right and, shifted down, to its left.
  const OutputPlace form{0, 0, 2, 2};
  EXPECT_EQ(FormPosition(form, form, 10.5, 20), std::make_pair(21.0f, 40.0f));
  EXPECT_EQ(FormPosition(form, {1280, 0, 1, 1}, 3, 5), std::make_pair(2566.0f, 10.0f));
  EXPECT_EQ(FormPosition(form, {-1024, 100, 1, 1}, 1020, 0), std::make_pair(-8.0f, 200.0f));
  // Nothing at the origin: the form lies elsewhere, and positions count from its corner.
  EXPECT_EQ(FormPosition({100, 50, 1.5, 1.5}, {1380, 0, 1, 1}, 2, 4),
            std::make_pair(1923.0f, -69.0f));
}

TEST(SurfaceScale, TheBufferHasTheOutputsDevicePixels) {
  // An integer scale: the buffer scale says so, nothing is laid over.
  const SurfaceScale integer = ChooseSurfaceScale({1280, 800}, {2560, 1600}, 2, 0, true);
  EXPECT_EQ(integer.buffer, (PixelSize{2560, 1600}));
  EXPECT_EQ(integer.bufferScale, 2);
  EXPECT_FALSE(integer.viewport);
  // A fractional scale the compositor tells: rounded halfway away from zero.
  const SurfaceScale told = ChooseSurfaceScale({683, 512}, {1024, 768}, 2, 180, true);
  EXPECT_EQ(told.buffer, (PixelSize{1025, 768}));
  EXPECT_EQ(told.bufferScale, 1);
  EXPECT_TRUE(told.viewport);
  // 1.5 untold, as sway 1.7 does it: the output's own pixels, laid over.
  const SurfaceScale untold = ChooseSurfaceScale({682, 512}, {1024, 768}, 2, 0, true);
  EXPECT_EQ(untold.buffer, (PixelSize{1024, 768}));
  EXPECT_EQ(untold.bufferScale, 1);
  EXPECT_TRUE(untold.viewport);
  // Without a viewporter only the integer scale is left; the compositor shrinks it.
  const SurfaceScale alone = ChooseSurfaceScale({682, 512}, {1024, 768}, 2, 180, false);
  EXPECT_EQ(alone.buffer, (PixelSize{1364, 1024}));
  EXPECT_EQ(alone.bufferScale, 2);
  EXPECT_FALSE(alone.viewport);
  // An output that has not told its mode yet.
  EXPECT_EQ(ChooseSurfaceScale({800, 600}, {}, 1, 0, true).buffer, (PixelSize{800, 600}));
}

}  // namespace
}  // namespace vs
