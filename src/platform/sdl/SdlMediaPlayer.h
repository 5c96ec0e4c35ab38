#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/MediaPlayer.h"
#include "platform/sdl/AudioOutput.h"

typedef struct _Mix_Music Mix_Music;

namespace vs {

// The media player on SDL2_mixer: MP3, WAV, MIDI and M3U play lists, whose entries play one after
// another as one file. MIDI goes to FluidSynth on Linux and to Windows' own synthesizer on
// Windows, past SDL's output; without a MIDI device there a MIDI file ends as soon as it starts.
// When an entry ends, SDL's audio thread only posts the move to the next one, which then runs on
// the UI thread like every call. SDL_mixer's music is process-wide: use one player at a time. The
// device opens on the first file.
class SdlMediaPlayer : public MediaPlayer {
 public:
  static constexpr std::int32_t kStopped = 0;

  // Queues a task to run later on the UI thread; called from SDL's audio thread.
  using PostToUiThread = std::function<void(std::function<void()>)>;

  explicit SdlMediaPlayer(PostToUiThread post);
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

  // SDL_mixer's end-of-music hook, on its audio thread.
  static void MusicFinished();
  void StartNextEntry();
  // Loads the first entry from `index` on that loads; false when none does.
  bool LoadFrom(std::size_t index);
  // Starts the loaded entry, or else the first later one that loads and starts.
  bool StartLoaded();
  [[noreturn]] void FailToPlay() const;

  AudioOutput output_;  // declared first, so the music is freed before the device closes
  PostToUiThread post_;
  // Posted tasks hold it weakly, so one that runs after the player is gone does nothing.
  std::shared_ptr<SdlMediaPlayer*> self_;
  bool autoStart_ = true;
  std::string fileName_;
  std::vector<std::string> entries_;  // one file, or a list's files
  std::unique_ptr<Mix_Music, MusicDeleter> music_;
  std::size_t next_ = 0;  // the entry after the loaded one
  bool started_ = false;  // the loaded entry has been started
  std::string lastError_;
};

}  // namespace vs
