#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/MediaPlayer.h"
#include "platform/linux/audio/AudioOutput.h"

typedef struct _Mix_Music Mix_Music;

namespace vs {

// The media player on SDL2_mixer: MP3, WAV, MIDI (FluidSynth) and M3U play lists, whose entries
// play one after another as one file. Every call runs on the caller's thread; nothing runs on
// SDL's audio thread but SDL_mixer itself. The player moves to a list's next entry when PlayState()
// finds the current one ended, so a list plays on while its owner polls. SDL_mixer's music is
// process-wide: use one player at a time. The device opens on the first file.
class SdlMediaPlayer : public MediaPlayer {
 public:
  static constexpr std::int32_t kStopped = 0;

  SdlMediaPlayer();
  ~SdlMediaPlayer() override;
  SdlMediaPlayer(const SdlMediaPlayer&) = delete;
  SdlMediaPlayer& operator=(const SdlMediaPlayer&) = delete;

  std::int32_t PlayState() override;
  void SetAutoStart(bool autoStart) override;
  // Throws RuntimeFailure when the file (or every entry of the list) cannot be opened or started.
  void SetFileName(const std::string& path) override;
  // Does nothing while playing; otherwise starts the current file from its beginning.
  void Play() override;

 private:
  struct MusicDeleter {
    void operator()(Mix_Music* music) const;
  };

  // Loads the first entry from `index` on that loads; false when none does.
  bool LoadFrom(std::size_t index);
  // Starts the loaded entry, or else the first later one that loads and starts.
  bool StartLoaded();
  [[noreturn]] void FailToPlay() const;

  AudioOutput output_;  // declared first, so the music is freed before the device closes
  bool autoStart_ = true;
  std::string fileName_;
  std::vector<std::string> entries_;  // one file, or a list's files
  std::unique_ptr<Mix_Music, MusicDeleter> music_;
  std::size_t next_ = 0;  // the entry after the loaded one
  bool started_ = false;  // the loaded entry has been started
  std::string lastError_;
};

}  // namespace vs
