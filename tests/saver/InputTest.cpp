#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "SaverHarness.h"

namespace vs {
namespace {

using fake::SaverHarness;

class Input : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(run.Load("/s")); }
  bool Move(float x, float y) {
    return run.Raise([&] { run.form.Form_MouseMove(0, 0, x, y); });
  }

  SaverHarness run;
};

TEST_F(Input, TheFormsKeysAndClicksShowTheCursorAgainAndEnd) {
  const std::function<void(frmScreenSaver&)> handlers[] = {
      [](frmScreenSaver& f) { f.Form_KeyDown(65, 0); },
      [](frmScreenSaver& f) { f.Form_KeyUp(65, 0); },
      [](frmScreenSaver& f) { f.Form_KeyPress(97); },
      [](frmScreenSaver& f) { f.Form_Click(); },
      [](frmScreenSaver& f) { f.Form_DblClick(); },
      [](frmScreenSaver& f) { f.Form_Unload(); },
  };
  for (const auto& handler : handlers) {
    SaverHarness fresh;
    ASSERT_FALSE(fresh.Load("/s"));
    EXPECT_TRUE(fresh.Raise([&] { handler(fresh.form); }));
    EXPECT_EQ(fresh.platform.app.cursorCount, 0);
    EXPECT_TRUE(fresh.platform.app.mousePointerDefault);
  }
}

TEST_F(Input, ThePictureBoxAndThePlayerEndWithoutTheCursorStep) {
  const std::function<void(frmScreenSaver&)> handlers[] = {
      [](frmScreenSaver& f) { f.Picture1_KeyDown(65, 0); },
      [](frmScreenSaver& f) { f.Picture1_KeyPress(97); },
      [](frmScreenSaver& f) { f.MediaPlayer1_KeyDown(65, 0); },
      [](frmScreenSaver& f) { f.MediaPlayer1_KeyPress(97); },
  };
  for (const auto& handler : handlers) {
    SaverHarness fresh;
    ASSERT_FALSE(fresh.Load("/s"));
    EXPECT_TRUE(fresh.Raise([&] { handler(fresh.form); }));
    EXPECT_EQ(fresh.platform.app.cursorCount, -1);
  }
}

TEST_F(Input, AFailureThatEscapedAHandlerIsReportedAndEndsThroughEndSaver) {
  EXPECT_TRUE(run.Raise(
      [&] { run.form.HandlerFailed("frm_Configuration.cmdAdd_Click", "std::bad_alloc"); }));
  const std::vector<std::string> lines = run.LogLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "Error out in frm_Configuration.cmdAdd_Click");
  EXPECT_EQ(lines.back(), "std::bad_alloc");
  EXPECT_EQ(run.platform.app.cursorCount, 0);
  EXPECT_TRUE(run.platform.app.mousePointerDefault);
}

TEST_F(Input, TheFirstMoveOnlyRecordsAndAJumpOfFivePixelsEnds) {
  EXPECT_FALSE(Move(500, 500));
  EXPECT_FALSE(Move(504, 496));
  EXPECT_TRUE(Move(509, 496));
  EXPECT_EQ(run.platform.app.cursorCount, -1);
}

TEST_F(Input, ASlowDragAcrossTheScreenNeverEnds) {
  for (float x = 1; x < 1024; x += 4) ASSERT_FALSE(Move(x, x * 0.75f));
}

TEST_F(Input, APositionThatRoundsToTheOriginLeavesNothingRemembered) {
  EXPECT_FALSE(Move(0.4f, 0.5f));
  EXPECT_FALSE(Move(300, 300));  // recorded only
  EXPECT_TRUE(Move(300, 305));
}

}  // namespace
}  // namespace vs
