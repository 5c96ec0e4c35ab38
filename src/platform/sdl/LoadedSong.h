#pragma once

#include <memory>
#include <string>

#include "platform/events/RunDeliveringEvents.h"

typedef struct _Mix_Music Mix_Music;

namespace vs {

// A song opened by SDL_mixer from the file's bytes held in memory, so that
// SDL's audio thread never reads the file: a share that stops answering in
// the middle of a song cannot stall the audio thread, and with it every call
// that takes the audio lock. Only a song too long to hold is read as it plays.
class LoadedSong {
 public:
  // Reads and opens `path` (which must be a regular file; a device or a pipe
  // could block the reader for good), calling `alive` as the bytes come in.
  // Throws RuntimeFailure saying why the song cannot be played.
  LoadedSong(const std::string& path, const SignOfLife& alive);
  ~LoadedSong();
  LoadedSong(const LoadedSong&) = delete;
  LoadedSong& operator=(const LoadedSong&) = delete;

  Mix_Music* Music() const { return music_; }

 private:
  std::string bytes_;  // outlives the music read from it
  Mix_Music* music_ = nullptr;
};

}  // namespace vs
