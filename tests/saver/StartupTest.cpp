#include <gtest/gtest.h>

#include "SaverHarness.h"
#include "playback/CentrePicture.h"

namespace vs {
namespace {

using fake::SaverHarness;
using Lines = std::vector<std::string>;

TEST(Startup, TheLetterSAnywhereSelectsSaverModeThenC) {
  for (const char* arguments : {"/s", "/S", "-s", "/s 12345", "/sc", "/password"}) {
    SaverHarness run;
    EXPECT_FALSE(run.Load(arguments)) << arguments;
    EXPECT_EQ(run.LogLines().at(1), "s mode") << arguments;
  }
  for (const char* arguments : {"/c", "/c:1234", "-C"}) {
    SaverHarness run;
    EXPECT_TRUE(run.Load(arguments)) << arguments;
    EXPECT_EQ(run.LogLines(), (Lines{"Open file", "c mode"})) << arguments;
    EXPECT_EQ(run.configurationShown, 1);
    EXPECT_FALSE(run.Window().shownWindow);
    EXPECT_EQ(run.Window().timer1.ticks + run.Window().timer2.ticks, 0);
  }
  for (const char* arguments : {"/p 123", "/a", ""}) {
    SaverHarness run;
    EXPECT_TRUE(run.Load(arguments)) << arguments;
    EXPECT_EQ(run.LogLines(), (Lines{"Open file", "Others mode"})) << arguments;
    EXPECT_EQ(run.configurationShown, 0);
    EXPECT_TRUE(run.platform.profile.writes.empty());
  }
}

TEST(Startup, SaverModeCoversTheScreenHidesTheCursorAndStartsBothTimers) {
  SaverHarness run;
  run.platform.files.files[SaverHarness::kLog] = "last run\r\n";
  ASSERT_FALSE(run.Load("/s"));
  EXPECT_EQ(run.LogLines(),
            (Lines{"Open file", "s mode", "load loadini", "sucessfully loadini", "5000", "5000"}));
  auto& window = run.Window();
  ASSERT_EQ(window.windowPos.size(), 1u);
  EXPECT_EQ(window.windowPos[0].insertAfter, -1);
  EXPECT_EQ(window.windowPos[0].flags, 0x40u);
  EXPECT_EQ(run.platform.app.cursorCount, -1);
  EXPECT_EQ(window.WidthTwips(), 1024 * 15);
  EXPECT_EQ(window.HeightTwips(), 768 * 15);
  ASSERT_EQ(window.picture1.shown.size(), 1u);
  const auto& splash = window.picture1.shown[0];
  EXPECT_EQ(splash.path, SaverHarness::kSplash);
  EXPECT_EQ(std::make_tuple(splash.left, splash.top, splash.width, splash.height),
            std::make_tuple(312, 234, 400, 300));
  EXPECT_EQ(window.picture1.refreshes, 1);
  EXPECT_TRUE(window.timer1.Enabled());
  EXPECT_TRUE(window.timer2.Enabled());
  EXPECT_EQ(window.timer1.Interval(), 5000);
  EXPECT_EQ(window.timer2.Interval(), 200);
}

TEST(Startup, CentringCutsToTheScreenAndRoundsHalvesToEven) {
  struct Case {
    fake::Size screen, splash;
    int left, top, width, height;
  };
  const Case cases[] = {
      {{1024, 768}, {1280, 1024}, 0, 0, 1024, 768},
      {{1024, 768}, {300, 200}, 362, 284, 300, 200},
      {{1023, 768}, {800, 768}, 112, 0, 800, 768},  // 111.5 goes up
      {{1021, 768}, {800, 767}, 110, 0, 800, 767},  // 110.5 goes down; 0.5 goes to 0
  };
  for (const Case& c : cases) {
    SaverHarness run;
    run.platform.screen = c.screen;
    run.platform.pictures[SaverHarness::kSplash] = c.splash;
    fake::FakeSaverWindow window(run.platform.clock, c.screen, run.platform.pictures,
                                 run.platform.sounds);
    window.SetSizeTwips(window.ScreenWidthTwips(), window.ScreenHeightTwips());
    CentrePicture(window, run.platform.app, SaverHarness::kSplash, false);
    const auto& shown = window.picture1.shown.at(0);
    EXPECT_EQ(std::make_tuple(shown.left, shown.top, shown.width, shown.height),
              std::make_tuple(c.left, c.top, c.width, c.height));
  }
}

TEST(Startup, LongIntervalsAreKeptAndAnIntervalOfZeroNeverTicks) {
  SaverHarness longRun;
  longRun.platform.profile.Set("TIMER", "600000");
  ASSERT_FALSE(longRun.Load("/s"));
  EXPECT_EQ(longRun.LogLines().back(), "600000");
  EXPECT_EQ(longRun.Window().timer1.Interval(), 600000);
  EXPECT_FALSE(longRun.Advance(599999));
  EXPECT_EQ(longRun.Window().timer1.ticks, 0);

  SaverHarness failedLoad;
  failedLoad.platform.profile.Set("TOTAL_IMAGES_DISPLAY", "x");
  ASSERT_FALSE(failedLoad.Load("/s"));
  const Lines lines = failedLoad.LogLines();
  EXPECT_EQ(
      Lines(lines.end() - 4, lines.end()),
      (Lines{"Error out in LoadIni function", "Type mismatch: \"x\" is not a number", "0", "0"}));
  failedLoad.Advance(3600 * 1000);
  EXPECT_EQ(failedLoad.Window().timer1.ticks, 0);
  EXPECT_EQ(failedLoad.Window().picture1.loads.size(), 1u);
}

TEST(Startup, AMissingSplashEndsTheSaverWithTheCursorShown) {
  SaverHarness run;
  run.platform.pictures.clear();
  EXPECT_TRUE(run.Load("/s"));
  EXPECT_EQ(run.LogLines(), (Lines{"Open file", "s mode", "load loadini", "sucessfully loadini",
                                   "Error out in load frmscreensaver object",
                                   "File not found: " + std::string(SaverHarness::kSplash)}));
  EXPECT_EQ(run.platform.app.cursorCount, 0);
  EXPECT_TRUE(run.platform.app.mousePointerDefault);
  EXPECT_FALSE(run.Window().timer1.Enabled());
}

TEST(Startup, AnOldLogThatCannotBeDeletedGetsTheReportAppendedInEveryMode) {
  for (const char* arguments : {"/s", "/c", "/p 1"}) {
    SaverHarness run;
    run.platform.files.files[SaverHarness::kLog] = "old\r\n";
    run.platform.files.undeletable.insert(SaverHarness::kLog);
    EXPECT_TRUE(run.Load(arguments));
    EXPECT_EQ(run.LogLines(), (Lines{"old", "Error out in load frmscreensaver object",
                                     "Permission denied: " + std::string(SaverHarness::kLog)}));
    EXPECT_EQ(run.configurationShown, 0);
    EXPECT_EQ(run.platform.app.cursorCount, 1);
  }
}

}  // namespace
}  // namespace vs
