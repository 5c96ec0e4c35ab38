#pragma once

namespace vs {

// SDL_mixer's output device. When no sound device opens (no ALSA or PulseAudio device, as on
// build servers; under Wine there WASAPI starts but finds no endpoint) it falls back to SDL's
// silent "dummy" driver, which still consumes audio at real-time pace, so music keeps its duration
// and the saver its timing. SDL_AUDIODRIVER, when set, chooses the first driver tried. ALSA's own
// complaints about missing devices are dropped: stderr holds only the program's lines.
class AudioOutput {
 public:
  AudioOutput() = default;
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;
  ~AudioOutput();

  // Opens the device once; later calls do nothing. Throws RuntimeFailure when no driver opens.
  void Open();
  // Closes the device, if open; the next Open() opens it again.
  void Close();

 private:
  bool open_ = false;
};

}  // namespace vs
