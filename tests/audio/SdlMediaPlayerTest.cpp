#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#ifdef _WIN32
#include "platform/windows/Win32.h"
// After windows.h.
#include <mmsystem.h>
#endif

#include "PlayerDriver.h"
#include "core/RuntimeFailure.h"
#include "platform/sdl/SdlMediaPlayer.h"
#include "samples/SampleFiles.h"
#include "samples/SampleSounds.h"

namespace vs {
namespace {

using samples::WriteText;
using test::PlaysToTheEnd;

// MIDI goes to FluidSynth on Linux, a software synthesizer that needs no device, and to Windows'
// own synthesizer, which needs a MIDI output device.
bool HasMidiOutput() {
#ifdef _WIN32
  return midiOutGetNumDevs() > 0;
#else
  return true;
#endif
}

// SDL's silent driver, which still plays at real-time pace. The variables go through SDL_setenv:
// on Windows SDL reads the process environment, not the C runtime's copy, and it takes an empty
// value for none.
class SdlMediaPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    samples::WriteSineWav(wav_, 0.3);
  }
  void TearDown() override { SDL_setenv("SDL_AUDIODRIVER", "", 1); }

  samples::TempDir dir_;
  const std::string wav_ = dir_ / "tone.wav";
  test::UiQueue ui_;
};

TEST_F(SdlMediaPlayerTest, AutoStartedFilePlaysThenStops) {
  SdlMediaPlayer player(ui_.Poster(), ui_);
  EXPECT_NE(player.PlayState(), MediaPlayer::kPlaying);
  player.SetAutoStart(true);
  player.SetFileName(wav_);
  EXPECT_EQ(player.PlayState(), MediaPlayer::kPlaying);
  player.Play();  // the saver calls play right after the name; it must not disturb the file
  EXPECT_EQ(player.PlayState(), MediaPlayer::kPlaying);
  EXPECT_TRUE(PlaysToTheEnd(player, ui_));
  EXPECT_EQ(player.PlayState(), SdlMediaPlayer::kStopped);

  // Play starts the current file again.
  player.Play();
  EXPECT_EQ(player.PlayState(), MediaPlayer::kPlaying);
  EXPECT_TRUE(PlaysToTheEnd(player, ui_));
}

TEST_F(SdlMediaPlayerTest, WithoutAutoStartTheFileWaitsForPlay) {
  SdlMediaPlayer player(ui_.Poster(), ui_);
  player.SetAutoStart(false);
  player.SetFileName(wav_);
  EXPECT_EQ(player.PlayState(), SdlMediaPlayer::kStopped);
  player.Play();
  EXPECT_EQ(player.PlayState(), MediaPlayer::kPlaying);
  // A new name stops the old file.
  player.SetFileName(wav_);
  EXPECT_EQ(player.PlayState(), SdlMediaPlayer::kStopped);
}

TEST_F(SdlMediaPlayerTest, FilesThatCannotBePlayedFailWithTheirName) {
  SdlMediaPlayer player(ui_.Poster(), ui_);
  EXPECT_THROW(player.Play(), RuntimeFailure);
  std::string garbage;
  for (int i = 0; i < 2000; ++i) garbage += "not a sound at all ";
  WriteText(dir_ / "garbage.wav", garbage);
  WriteText(dir_ / "garbage.mp3", garbage);
  WriteText(dir_ / "empty.m3u", "#EXTM3U\n");
  WriteText(dir_ / "dead.m3u", "garbage.wav\ngarbage.mp3\nmissing.wav\n");
  for (const char* name : {"missing.mp3", "garbage.wav", "garbage.mp3", "empty.m3u", "dead.m3u",
                           "gone.m3u", "not-utf-8-\xFA.wav"}) {
    SCOPED_TRACE(name);
    const std::string path = dir_ / name;
    try {
      player.SetFileName(path);
      ADD_FAILURE() << "no failure";
    } catch (const RuntimeFailure& failure) {
      EXPECT_NE(std::string(failure.what()).find(path), std::string::npos) << failure.what();
    }
    EXPECT_NE(player.PlayState(), MediaPlayer::kPlaying);
    EXPECT_THROW(player.Play(), RuntimeFailure);
  }
  // The player recovers for the next good file.
  player.SetFileName(wav_);
  EXPECT_EQ(player.PlayState(), MediaPlayer::kPlaying);
}

// FluidSynth opens anything that starts like a MIDI file, and SDL_mixer's own MIDI reader (the
// Windows build's) trusts every length in it: such a file must fail or end, not crash or hang.
TEST_F(SdlMediaPlayerTest, BrokenMidiFailsOrEnds) {
  const std::string header("MThd\0\0\0\6\0\0\0\1\1\x80MTrk", 18);
  WriteText(dir_ / "huge-track.mid", header + "\xff\xff\xff\xff" + std::string(100, '\x90'));
  WriteText(dir_ / "long-sysex.mid", header + std::string("\0\0\0\6\0\xF0\x8F\xFF\xFF\x7F", 10));
  WriteText(dir_ / "short-tempo.mid",
            header + std::string("\0\0\0\x08\0\xFF\x51\0\0\xFF\x2F\0", 12));
  SdlMediaPlayer player(ui_.Poster(), ui_);
  for (const char* name : {"huge-track.mid", "long-sysex.mid", "short-tempo.mid"}) {
    SCOPED_TRACE(name);
    try {
      player.SetFileName(dir_ / name);
    } catch (const RuntimeFailure&) {
    }
    EXPECT_TRUE(PlaysToTheEnd(player, ui_));
  }
}

TEST_F(SdlMediaPlayerTest, ListPlaysOnPastBadEntriesUntilItsLastEntryEnds) {
  WriteText(dir_ / "garbage.wav", std::string(5000, 'x'));
  WriteText(dir_ / "list.m3u", "garbage.wav\ntone.wav\nmissing.wav\ngarbage.wav\ntone.wav\n");
  SdlMediaPlayer player(ui_.Poster(), ui_);
  player.SetFileName(dir_ / "list.m3u");
  EXPECT_EQ(player.PlayState(), MediaPlayer::kPlaying);
  EXPECT_TRUE(PlaysToTheEnd(player, ui_));
  // After its end the list starts again from its first playable entry.
  player.Play();
  EXPECT_EQ(player.PlayState(), MediaPlayer::kPlaying);
}

// The saver reads the play state every few seconds; reading it must not be what moves a list on.
TEST_F(SdlMediaPlayerTest, ReadingThePlayStateStartsNothingWhileAListMovesOnByItself) {
  WriteText(dir_ / "list.m3u", "tone.wav\ntone.wav\ntone.wav\n");
  SdlMediaPlayer player(ui_.Poster(), ui_);
  player.SetFileName(dir_ / "list.m3u");
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  int starts = 1;
  while (player.PlayState() == MediaPlayer::kPlaying) {
    ASSERT_LT(std::chrono::steady_clock::now(), deadline);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (Mix_PlayingMusic() != 0) continue;
    // An entry has ended: however often the state is read, nothing plays until the player's
    // own end-of-entry task runs.
    for (int i = 0; i < 20; ++i) player.PlayState();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    ui_.RunPending();
    if (Mix_PlayingMusic() != 0) ++starts;
  }
  EXPECT_EQ(starts, 3);
}

TEST_F(SdlMediaPlayerTest, UnknownDriverFallsBackToTheSilentOne) {
  SDL_setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  SdlMediaPlayer player(ui_.Poster(), ui_);
  player.SetFileName(wav_);
  EXPECT_EQ(player.PlayState(), MediaPlayer::kPlaying);
  EXPECT_TRUE(PlaysToTheEnd(player, ui_));
}

TEST_F(SdlMediaPlayerTest, MidiAndMp3Play) {
  samples::WriteMidi(dir_ / "notes.mid");
  SdlMediaPlayer player(ui_.Poster(), ui_);
  player.SetFileName(dir_ / "notes.mid");
  if (HasMidiOutput()) {
    EXPECT_EQ(player.PlayState(), MediaPlayer::kPlaying);
  } else {
    // Windows' synthesizer without a MIDI device (Wine on a build server): the file ends at once,
    // so the saver moves on to the next entry.
    EXPECT_TRUE(PlaysToTheEnd(player, ui_));
  }
  // FluidSynth lets the last notes ring out for seconds; the next name cuts them short.
  samples::WriteSineMp3(dir_ / "tone.mp3", 0.3);
  player.SetFileName(dir_ / "tone.mp3");
  EXPECT_EQ(player.PlayState(), MediaPlayer::kPlaying);
  EXPECT_TRUE(PlaysToTheEnd(player, ui_));
}

// SDL opens files by UTF-8 names, which on Windows it turns into wide ones.
TEST_F(SdlMediaPlayerTest, FilesAndListsNamedInAnyScriptPlay) {
  samples::WriteSineWav(dir_ / "música.wav", 0.3);
  samples::WriteSineMp3(dir_ / "Пісня.mp3", 0.3);
  WriteText(dir_ / "Пісні.m3u", "Пісня.mp3\r\nmúsica.wav\r\n");
  SdlMediaPlayer player(ui_.Poster(), ui_);
  for (const char* name : {"música.wav", "Пісня.mp3", "Пісні.m3u"}) {
    SCOPED_TRACE(name);
    player.SetFileName(dir_ / name);
    EXPECT_EQ(player.PlayState(), MediaPlayer::kPlaying);
  }
  EXPECT_TRUE(PlaysToTheEnd(player, ui_));
}

}  // namespace
}  // namespace vs
