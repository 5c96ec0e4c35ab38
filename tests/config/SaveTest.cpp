#include <gmock/gmock.h>

#include "ConfigurationFixture.h"

namespace vs::fake {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using Write = FakeProfile::Write;
constexpr const char* kSection = "VOSTRAMELSAVER";

class SaveTest : public ConfigurationTest {
 protected:
  void SetUp() override {
    Open();
    platform.profile.writes.clear();
    platform.profile.commits = 0;
    platform.app.onEnd = [this] { commitsAtEnd = platform.profile.commits; };
  }

  int commitsAtEnd = -1;
};

TEST_F(SaveTest, WritesCountsBeforeEntriesImagesBeforeAudioAndTimerLast) {
  view->targets1.items = {"/p/a.jpg", "/p/b.gif"};
  view->targets2.items = {"/m/x.mp3"};
  view->timerText.text = "7";
  EXPECT_THROW(form.cmdOK_Click(), ProgramEnded);
  EXPECT_THAT(platform.profile.writes, ElementsAre(Write{kSection, "TOTAL_IMAGES_DISPLAY", "2"},
                                                   Write{kSection, "IMAGES_FILE_0", "/p/a.jpg"},
                                                   Write{kSection, "IMAGES_FILE_1", "/p/b.gif"},
                                                   Write{kSection, "TOTAL_AUDIOS_DISPLAY", "1"},
                                                   Write{kSection, "AUDIOS_FILE_0", "/m/x.mp3"},
                                                   Write{kSection, "TIMER", "7000"}));
  EXPECT_GE(commitsAtEnd, 1);
  EXPECT_EQ(support.ImageFiles.Count(), 2);
  EXPECT_EQ(support.AudioFiles(0), "/m/x.mp3");
  EXPECT_EQ(support.TimerInterval, 7000);
}

TEST_F(SaveTest, EmptyListsWriteZeroCountsAndTimer) {
  EXPECT_THROW(form.cmdOK_Click(), ProgramEnded);
  EXPECT_THAT(platform.profile.writes, ElementsAre(Write{kSection, "TOTAL_IMAGES_DISPLAY", "0"},
                                                   Write{kSection, "TOTAL_AUDIOS_DISPLAY", "0"},
                                                   Write{kSection, "TIMER", "5000"}));
  EXPECT_FALSE(support.AudioFiles.HasElements());
}

struct TimeCase {
  const char* shown;
  const char* corrected;
  const char* written;
};

class DisplayTimeTest : public SaveTest, public ::testing::WithParamInterface<TimeCase> {};

TEST_P(DisplayTimeTest, IsCheckedAndRoundedHalvesToEven) {
  view->timerText.text = GetParam().shown;
  EXPECT_THROW(form.cmdOK_Click(), ProgramEnded);
  EXPECT_EQ(view->timerText.text, GetParam().corrected);
  EXPECT_EQ(platform.profile.writes.back(), (Write{kSection, "TIMER", GetParam().written}));
}

INSTANTIATE_TEST_SUITE_P(
    Times, DisplayTimeTest,
    ::testing::Values(TimeCase{"0", "5", "5000"}, TimeCase{"61", "60", "60000"},
                      TimeCase{"120", "60", "60000"}, TimeCase{"7.5", "7.5", "8000"},
                      TimeCase{"6.5", "6.5", "6000"}, TimeCase{"1", "1", "1000"}));

TEST_F(SaveTest, TimeOutOfRangeFailsBeforeAnyWriteAndKeepsTheDialogOpen) {
  view->targets1.items = {"/p/a.jpg"};
  view->timerText.text = "40000";
  form.cmdOK_Click();  // returns: the program goes on
  EXPECT_THAT(platform.profile.writes, IsEmpty());
  EXPECT_FALSE(platform.app.ended);
  EXPECT_GE(platform.profile.commits, 1);
  const auto lines = LogLines();
  EXPECT_EQ(lines[lines.size() - 2], "Error out in Ok Configuration object");
  EXPECT_EQ(view->timerText.text, "40000");
  EXPECT_THAT(view->targets1.items, ElementsAre("/p/a.jpg"));

  view->timerBar.value = 6;
  form.vsTimer_Change();
  EXPECT_THROW(form.cmdOK_Click(), ProgramEnded);
  EXPECT_EQ(platform.profile.Get("TIMER"), "6000");
}

TEST_F(SaveTest, CommitThatCannotBeStoredIsReportedAndKeepsTheDialogOpen) {
  view->targets1.items = {"/p/a.jpg"};
  platform.profile.commitFailure = "The settings could not be saved: No space left on device";
  form.cmdOK_Click();  // returns: the program goes on
  EXPECT_FALSE(platform.app.ended);
  const auto lines = LogLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "Error out in Ok Configuration object");
  EXPECT_EQ(lines.back(), "The settings could not be saved: No space left on device");
  EXPECT_THAT(view->targets1.items, ElementsAre("/p/a.jpg"));

  platform.profile.commitFailure.reset();
  EXPECT_THROW(form.cmdOK_Click(), ProgramEnded);
}

TEST_F(SaveTest, LoadedLongTimeOpensAsTextAndSavesClamped) {
  platform.profile.Set("TIMER", "120000");
  ConfigurationTest::Open();
  EXPECT_EQ(view->timerText.text, "120");
  EXPECT_THROW(form.cmdOK_Click(), ProgramEnded);
  EXPECT_EQ(platform.profile.Get("TIMER"), "60000");
}

TEST_F(SaveTest, CancelWritesNothing) {
  view->targets1.items = {"/p/a.jpg"};
  EXPECT_THROW(form.cmdCancel_Click(), ProgramEnded);
  EXPECT_THAT(platform.profile.writes, IsEmpty());
}

TEST_F(SaveTest, SavedListsLoadBackUnchanged) {
  view->targets1.items = {"/p/a.jpg", "/p/b.gif"};
  view->targets2.items = {"/m/x.mp3"};
  EXPECT_THROW(form.cmdOK_Click(), ProgramEnded);

  frm_Configuration reopened(platform, support, log);
  reopened.Show();
  EXPECT_THAT(view->targets1.items, ElementsAre("/p/a.jpg", "/p/b.gif"));
  EXPECT_THAT(view->targets2.items, ElementsAre("/m/x.mp3"));
  EXPECT_EQ(view->timerText.text, "5");
}

}  // namespace
}  // namespace vs::fake
