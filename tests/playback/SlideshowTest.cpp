#include <gtest/gtest.h>

#include "SaverHarness.h"

namespace vs {
namespace {

using fake::SaverHarness;
using Lines = std::vector<std::string>;

class Slideshow : public ::testing::Test {
 protected:
  void Configure(const std::vector<std::string>& images) {
    auto& profile = run.platform.profile;
    profile.Set("TOTAL_IMAGES_DISPLAY", std::to_string(images.size()));
    for (std::size_t i = 0; i < images.size(); ++i) {
      profile.Set("IMAGES_FILE_" + std::to_string(i), images[i]);
    }
  }
  // (path, time) of every picture made visible after the start-up splash.
  std::vector<std::pair<std::string, std::int64_t>> Shown() const {
    std::vector<std::pair<std::string, std::int64_t>> shown;
    const auto& all = run.platform.saverWindow->picture1.shown;
    for (std::size_t i = 1; i < all.size(); ++i) shown.emplace_back(all[i].path, all[i].at);
    return shown;
  }

  SaverHarness run;
};

TEST_F(Slideshow, PassesOverNonPicturesAndShowsTheSplashEachCycle) {
  run.platform.pictures["/p/a.jpg"] = {640, 480};
  Configure({"/p/a.jpg", "/p/b.avi"});
  ASSERT_FALSE(run.Load("/s"));
  ASSERT_FALSE(run.Advance(20100));
  const std::string splash = SaverHarness::kSplash;
  EXPECT_EQ(Shown(), (std::vector<std::pair<std::string, std::int64_t>>{
                         {"/p/a.jpg", 5000}, {splash, 15100}, {"/p/a.jpg", 20100}}));
  const auto& a = run.Window().picture1.shown.at(1);
  EXPECT_EQ(std::make_tuple(a.left, a.top, a.width, a.height), std::make_tuple(192, 144, 640, 480));
  // Every shown picture re-asserts the top-most window without resizing it.
  EXPECT_EQ(run.Window().windowPos.back().flags, 0x1u);
}

TEST_F(Slideshow, WithOnlyTheSplashEveryTickShowsTheSplashAgain) {
  ASSERT_FALSE(run.Load("/s"));
  ASSERT_FALSE(run.Advance(15000));
  EXPECT_EQ(Shown().size(), 3u);
  EXPECT_EQ(run.form.Slides().ImageIndex, 0);
}

TEST_F(Slideshow, APictureThatCannotBeLoadedEndsTheSaverWithAReport) {
  run.platform.pictures["/p/a.jpg"] = {640, 480};
  Configure({"/p/a.jpg", "/p/missing.gif"});
  ASSERT_FALSE(run.Load("/s"));
  EXPECT_TRUE(run.Advance(10000));
  const Lines lines = run.LogLines();
  EXPECT_EQ(Lines(lines.end() - 2, lines.end()),
            (Lines{"Error out in images/avi loop object", "File not found: /p/missing.gif"}));
  EXPECT_EQ(run.platform.app.cursorCount, 0);
}

TEST_F(Slideshow, WhenOnlyTheSplashFailsItIsShownAgainAndTheSlideshowStops) {
  ASSERT_FALSE(run.Load("/s"));
  run.Window().picture1.failNextLoads = 1;
  ASSERT_FALSE(run.Advance(5000));
  EXPECT_FALSE(run.Window().timer1.Enabled());
  EXPECT_EQ(run.Window().picture1.refreshes, 2);
  ASSERT_FALSE(run.Advance(60000));
  EXPECT_EQ(run.Window().timer1.ticks, 1);

  // If the splash cannot be shown even then, the saver ends cleanly.
  SaverHarness twice;
  ASSERT_FALSE(twice.Load("/s"));
  twice.Window().picture1.failNextLoads = 2;
  EXPECT_TRUE(twice.Advance(5000));
  EXPECT_EQ(twice.LogLines().back(), "Invalid picture: " + std::string(SaverHarness::kSplash));
  EXPECT_EQ(twice.platform.app.cursorCount, 0);
}

TEST_F(Slideshow, TheLongestListWrapsWithoutOverflow) {
  Configure(std::vector<std::string>(32767, "n"));
  ASSERT_FALSE(run.Load("/s"));
  ASSERT_EQ(run.support.ImageFiles.UBound(), 32767);
  ASSERT_FALSE(run.Advance(5000 + 32766 * 100));
  EXPECT_EQ(run.form.Slides().ImageIndex, 32767);
  ASSERT_FALSE(run.Advance(100 + 5000));
  EXPECT_EQ(run.form.Slides().ImageIndex, 0);
  EXPECT_EQ(Shown().size(), 1u);
}

TEST_F(Slideshow, InputDuringATickEndsTheSaverInThatTick) {
  ASSERT_FALSE(run.Load("/s"));
  run.platform.app.Post([this] { run.form.Form_KeyDown(32, 0); });
  EXPECT_TRUE(run.Advance(200));
  EXPECT_EQ(run.platform.app.cursorCount, 0);
}

}  // namespace
}  // namespace vs
