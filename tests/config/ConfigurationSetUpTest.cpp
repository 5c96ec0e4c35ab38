#include <gmock/gmock.h>

#include "ConfigurationFixture.h"
#include "config/SecondsText.h"

namespace vs::fake {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(SecondsText, ShortestFixedDecimalWithPoint) {
  EXPECT_EQ(SecondsText(5000), "5");
  EXPECT_EQ(SecondsText(7500), "7.5");
  EXPECT_EQ(SecondsText(1234), "1.234");
  EXPECT_EQ(SecondsText(120000), "120");
  EXPECT_EQ(SecondsText(0), "0");
  EXPECT_EQ(SecondsText(1000000000), "1000000");
}

TEST_F(ConfigurationTest, FirstRunOpensEmptyWithDefaults) {
  Open();
  EXPECT_EQ(view->modalShows, 1);
  EXPECT_THAT(LogLines(),
              ElementsAre("load frm_configuration", "load loadini", "sucessfully loadini"));
  EXPECT_THAT(view->combo1.items,
              ElementsAre("*.bmp", "*.gif", "*.jpg", "*.mp3", "*.m3u", "*.wav", "*.mid"));
  EXPECT_EQ(view->combo1.text, "*.bmp");
  EXPECT_EQ(view->file1.pattern, "*.bmp");
  EXPECT_FALSE(view->add.enabled);
  EXPECT_TRUE(view->addAll.enabled);
  EXPECT_FALSE(view->remove.enabled);
  EXPECT_FALSE(view->removeAll.enabled);
  EXPECT_THAT(view->targets1.items, IsEmpty());
  EXPECT_THAT(view->targets2.items, IsEmpty());
  EXPECT_EQ(view->timerText.text, "5");
  EXPECT_EQ(platform.profile.Get("TOTAL_IMAGES_DISPLAY"), "0");
}

TEST_F(ConfigurationTest, SetUpKeepsUserEntriesWhenAnEntryKeyIsEmpty) {
  platform.profile.Set("TOTAL_IMAGES_DISPLAY", "3");
  platform.profile.Set("IMAGES_FILE_0", "/p/a.jpg");
  platform.profile.Set("IMAGES_FILE_1", "");
  platform.profile.Set("IMAGES_FILE_2", "/p/c.gif");
  platform.profile.Set("TOTAL_AUDIOS_DISPLAY", "2");
  platform.profile.Set("AUDIOS_FILE_0", "/m/x.mp3");
  platform.profile.Set("AUDIOS_FILE_1", "/m/y.wav");
  platform.profile.Set("TIMER", "7500");
  Open();
  EXPECT_THAT(view->targets1.items, ElementsAre("/p/a.jpg", "/p/c.gif"));
  EXPECT_THAT(view->targets2.items, ElementsAre("/m/x.mp3", "/m/y.wav"));
  EXPECT_EQ(view->timerText.text, "7.5");
  EXPECT_FALSE(LogHasFailure());
}

TEST_F(ConfigurationTest, SetUpWithCountsAboveKeptEntriesShowsNoSplashAndKeepsTime) {
  platform.profile.Set("TOTAL_IMAGES_DISPLAY", "2");
  platform.profile.Set("IMAGES_FILE_0", "/p/a.jpg");
  platform.profile.Set("IMAGES_FILE_1", "");
  platform.profile.Set("TOTAL_AUDIOS_DISPLAY", "2");
  platform.profile.Set("AUDIOS_FILE_0", "");
  platform.profile.Set("AUDIOS_FILE_1", "");
  platform.profile.Set("TIMER", "30000");
  Open();
  EXPECT_THAT(view->targets1.items, ElementsAre("/p/a.jpg"));
  EXPECT_THAT(view->targets2.items, IsEmpty());
  EXPECT_EQ(view->timerText.text, "30");
  EXPECT_FALSE(LogHasFailure());
}

TEST_F(ConfigurationTest, SetUpShowsTimeOfAFailedLoadAsZero) {
  platform.profile.Set("TOTAL_IMAGES_DISPLAY", "1");
  platform.profile.Set("IMAGES_FILE_0", "/p/a.jpg");
  platform.profile.Set("TIMER", "abc");
  Open();
  EXPECT_THAT(view->targets1.items, ElementsAre("/p/a.jpg"));
  EXPECT_EQ(view->timerText.text, "0");
}

TEST_F(ConfigurationTest, ListClicksSetButtonsAndActiveTarget) {
  Open();
  form.File1_Click();
  EXPECT_TRUE(view->add.enabled && view->addAll.enabled);
  EXPECT_FALSE(view->remove.enabled || view->removeAll.enabled);
  EXPECT_EQ(form.ActiveTarget, 0);

  form.list1_Click();
  EXPECT_FALSE(view->add.enabled || view->addAll.enabled);
  EXPECT_TRUE(view->remove.enabled && view->removeAll.enabled);
  EXPECT_EQ(form.ActiveTarget, 1);

  form.list2_Click();
  EXPECT_EQ(form.ActiveTarget, 2);
  form.File1_Click();
  EXPECT_EQ(form.ActiveTarget, 2);
}

TEST_F(ConfigurationTest, BrowsingChainAppliesComboTextOnDirectoryChange) {
  Open();
  view->file1.namesIn = [](const std::string& dir) {
    return dir == "/media/usb" ? std::vector<std::string>{"a.txt", "b.mp3", "c.MP3"}
                               : std::vector<std::string>{};
  };
  view->combo1.text = "*.mp3";
  form.Combo1_Click();
  EXPECT_EQ(view->file1.pattern, "*.mp3");

  view->combo1.text = "*.txt";  // typed: nothing changes yet
  EXPECT_EQ(view->file1.pattern, "*.mp3");

  view->drive1.drive = "/media/usb";
  form.Drive1_Change();
  EXPECT_EQ(view->dir1.path, "/media/usb");
  EXPECT_EQ(view->file1.path, "/media/usb");
  EXPECT_EQ(view->file1.pattern, "*.txt");
  EXPECT_THAT(view->file1.Shown(), ElementsAre("a.txt"));
}

TEST_F(ConfigurationTest, ScrollBarWritesItsValueFromFiveWhateverWasLoaded) {
  platform.profile.Set("TIMER", "30000");
  Open();
  EXPECT_EQ(view->timerText.text, "30");
  view->timerBar.value = 6;
  form.vsTimer_Change();
  EXPECT_EQ(view->timerText.text, "6");
}

}  // namespace
}  // namespace vs::fake
