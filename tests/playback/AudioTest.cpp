#include <gtest/gtest.h>

#include "SaverHarness.h"

namespace vs {
namespace {

using fake::SaverHarness;
using Lines = std::vector<std::string>;

class Audio : public ::testing::Test {
 protected:
  void Configure(const std::vector<std::string>& audios) {
    auto& profile = run.platform.profile;
    profile.Set("TOTAL_AUDIOS_DISPLAY", std::to_string(audios.size()));
    for (std::size_t i = 0; i < audios.size(); ++i) {
      profile.Set("AUDIOS_FILE_" + std::to_string(i), audios[i]);
    }
  }
  std::vector<std::pair<std::string, std::int64_t>> Starts() const {
    std::vector<std::pair<std::string, std::int64_t>> starts;
    for (const auto& start : run.platform.saverWindow->mediaPlayer1.starts) {
      starts.emplace_back(start.path, start.at);
    }
    return starts;
  }

  SaverHarness run;
};

TEST_F(Audio, PlaysTheListInALoopPollingSlowlyWhilePlaying) {
  run.platform.sounds = {{"/m/a.mp3", 3000}, {"/m/c.wav", 1000}};
  Configure({"/m/a.mp3", "/m/b.txt", "/m/c.wav"});
  ASSERT_FALSE(run.Load("/s"));
  ASSERT_FALSE(run.Advance(300));
  EXPECT_EQ(run.Window().timer2.Interval(), 200);
  ASSERT_FALSE(run.Advance(200));
  EXPECT_EQ(run.Window().timer2.Interval(), 2000);
  ASSERT_FALSE(run.Advance(7000 - 500));
  EXPECT_EQ(Starts(), (std::vector<std::pair<std::string, std::int64_t>>{
                          {"/m/a.mp3", 200}, {"/m/c.wav", 4600}, {"/m/a.mp3", 6800}}));
}

TEST_F(Audio, WithoutAudioTheFirstTickSwitchesAudioOffAndTheSlideshowGoesOn) {
  ASSERT_FALSE(run.Load("/s"));
  ASSERT_FALSE(run.Advance(200));
  const Lines lines = run.LogLines();
  EXPECT_EQ(Lines(lines.end() - 3, lines.end()),
            (Lines{"Error out in audio object", "Subscript out of range: the list has no elements",
                   "Error to play audio. VostramelSaver will disable audio play back. Please "
                   "check your audio setting"}));
  EXPECT_FALSE(run.Window().timer2.Enabled());
  ASSERT_FALSE(run.Advance(60000));
  EXPECT_EQ(run.Window().timer2.ticks, 1);
  EXPECT_EQ(run.Window().timer1.ticks, 12);
}

TEST_F(Audio, AFileThePlayerCannotOpenSwitchesAudioOff) {
  Configure({"/m/broken.mp3"});
  ASSERT_FALSE(run.Load("/s"));
  ASSERT_FALSE(run.Advance(200));
  const Lines lines = run.LogLines();
  EXPECT_EQ(lines.at(lines.size() - 3), "Error out in audio object");
  EXPECT_EQ(lines.at(lines.size() - 2), "Cannot play /m/broken.mp3");
  EXPECT_FALSE(run.Window().timer2.Enabled());
}

TEST_F(Audio, WaitingInputEndsTheSaverBeforeThePlayerIsTouched) {
  run.platform.sounds = {{"/m/a.mp3", 3000}};
  Configure({"/m/a.mp3"});
  ASSERT_FALSE(run.Load("/s"));
  run.platform.app.inputWaiting = true;
  EXPECT_TRUE(run.Advance(200));
  EXPECT_TRUE(Starts().empty());
  EXPECT_EQ(run.platform.app.cursorCount, -1);
}

}  // namespace
}  // namespace vs
