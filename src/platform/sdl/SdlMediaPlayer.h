#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/MediaPlayer.h"
#include "platform/events/EventWait.h"
#include "platform/sdl/AudioOutput.h"
#include "platform/sdl/LoadedSong.h"

namespace vs {

// The media player on SDL2_mixer: MP3, WAV, MIDI and M3U play lists, whose entries play one after
// another as one file. MIDI goes to FluidSynth on Linux and to Windows' own synthesizer on
// Windows, past SDL's output; without a MIDI device there a MIDI file ends as soon as it starts.
// Files and lists are read on a worker while the UI thread keeps delivering its events: a share
// that stops answering costs that one worker, and after a few seconds without a byte the file
// counts as one that cannot be played. When an entry ends, SDL's audio thread only posts the move
// to the next one, which then runs on the UI thread like every call. SDL_mixer's music is
// process-wide: use one player at a time. The device opens on the first file and closes when a
// file cannot be played, after which the saver plays no more.
class SdlMediaPlayer : public MediaPlayer {
 public:
  static constexpr std::int32_t kStopped = 0;

  // Queues a task to run later on the UI thread; called from SDL's audio thread.
  using PostToUiThread = std::function<void(std::function<void()>)>;

  SdlMediaPlayer(PostToUiThread post, EventWait& events);
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
  // What a load on the worker hands back.
  struct Found {
    std::vector<std::string> entries;
    std::unique_ptr<LoadedSong> song;  // the first entry from the start that opened, if any
    std::size_t next = 0;              // the entry after it
    std::string lastError;
  };

  // SDL_mixer's end-of-music hook, on its audio thread.
  static void MusicFinished();
  void StartNextEntry();
  // Loads, on the worker, the first entry from `index` on that opens, after expanding the list
  // `listPath` when one is given; false when none opens.
  bool LoadFrom(std::size_t index, const std::string& listPath = {});
  // Starts the loaded entry, or else the first later one that loads and starts.
  bool StartLoaded();
  // Runs `start`; when it fails or returns false, lets the device go and throws RuntimeFailure
  // naming the file and the last reason.
  void FailingToPlay(const std::function<bool()>& start);

  AudioOutput output_;  // declared first, so the music is freed before the device closes
  PostToUiThread post_;
  EventWait& events_;
  // Posted tasks hold it weakly, so one that runs after the player is gone does nothing.
  std::shared_ptr<SdlMediaPlayer*> self_;
  // Set while a worker reads; one that never came back keeps it, and no second one is risked.
  std::shared_ptr<std::atomic<bool>> reading_;
  bool autoStart_ = true;
  bool loading_ = false;  // a load is under way, delivering events meanwhile
  std::string fileName_;
  std::vector<std::string> entries_;  // one file, or a list's files
  std::unique_ptr<LoadedSong> song_;
  std::size_t next_ = 0;  // the entry after the loaded one
  bool started_ = false;  // the loaded entry has been started
  std::string lastError_;
};

}  // namespace vs
