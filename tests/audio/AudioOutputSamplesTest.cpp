// End to end through SDL's "disk" driver, which writes the mixed output (16-bit stereo) to a file.

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "PlayerDriver.h"
#include "platform/sdl/SdlMediaPlayer.h"
#include "samples/SampleFiles.h"
#include "samples/SampleSounds.h"

namespace vs {
namespace {

using Samples = std::vector<std::int16_t>;

int Peak(Samples::const_iterator begin, Samples::const_iterator end) {
  int peak = 0;
  for (auto it = begin; it != end; ++it) peak = std::max(peak, std::abs(static_cast<int>(*it)));
  return peak;
}

class AudioOutputSamplesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
    SDL_setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
#ifndef _WIN32
    // A 46 ms buffer every 10 ms: plays faster. On Windows SDL_getenv returns every value in
    // one buffer, so the delay would replace the output file's name: play in real time there.
    SDL_setenv("SDL_DISKAUDIODELAY", "10", 1);
#endif
  }
  void TearDown() override {
    SDL_setenv("SDL_AUDIODRIVER", "", 1);
    SDL_setenv("SDL_DISKAUDIOFILE", "", 1);
    SDL_setenv("SDL_DISKAUDIODELAY", "", 1);
  }

  Samples Record(const std::string& file) {
    {
      test::UiQueue ui;
      SdlMediaPlayer player(ui.Poster(), ui);
      player.SetFileName(file);
      EXPECT_TRUE(test::PlaysToTheEnd(player, ui));
    }
    std::ifstream in(output_, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Samples samples(bytes.size() / 2);
    std::copy_n(bytes.data(), samples.size() * 2, reinterpret_cast<char*>(samples.data()));
    return samples;
  }

  samples::TempDir dir_;
  const std::string output_ = dir_ / "output.raw";
};

TEST_F(AudioOutputSamplesTest, WavMp3AndMidiReachTheOutput) {
  samples::WriteSineWav(dir_ / "tone.wav", 0.3);
  samples::WriteSineMp3(dir_ / "tone.mp3", 0.3);
  std::vector<std::string> files = {dir_ / "tone.wav", dir_ / "tone.mp3"};
#ifndef _WIN32
  // Windows' synthesizer plays MIDI to its own device, past SDL's output.
  samples::WriteMidi(dir_ / "notes.mid");
  files.push_back(dir_ / "notes.mid");
#endif
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    const Samples samples = Record(file);
    EXPECT_GT(Peak(samples.begin(), samples.end()), 1000);
  }
}

TEST_F(AudioOutputSamplesTest, ListEntriesPlayInOrder) {
  samples::WriteSineWav(dir_ / "quiet.wav", 0.3, 0.1);
  samples::WriteSineWav(dir_ / "loud.wav", 0.3, 0.8);
  samples::WriteText(dir_ / "bad.wav", "RIFF nonsense");
  samples::WriteText(dir_ / "list.m3u", "quiet.wav\r\nbad.wav\r\nloud.wav\r\n");
  const Samples samples = Record(dir_ / "list.m3u");

  const auto audible = [](std::int16_t s) { return std::abs(static_cast<int>(s)) > 500; };
  const auto first = std::find_if(samples.begin(), samples.end(), audible);
  const auto last = std::find_if(samples.rbegin(), samples.rend(), audible).base();
  const std::ptrdiff_t tenthOfASecond = 44100 * 2 / 10;
  ASSERT_GT(last - first, 4 * tenthOfASecond);
  EXPECT_LT(Peak(first, first + tenthOfASecond), 32767 * 2 / 10);
  EXPECT_GT(Peak(last - tenthOfASecond, last), 32767 * 6 / 10);
}

}  // namespace
}  // namespace vs
