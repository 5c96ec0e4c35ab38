#include "platform/linux/audio/SdlMediaPlayer.h"

#include <SDL_mixer.h>

#include <filesystem>

#include "core/RuntimeFailure.h"
#include "formats/m3u/M3uPlaylist.h"

namespace vs {
namespace {

// Also keeps the decoders away from devices and pipes, whose opening could block.
bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

void SdlMediaPlayer::MusicDeleter::operator()(Mix_Music* music) const { Mix_FreeMusic(music); }

SdlMediaPlayer::SdlMediaPlayer() = default;
SdlMediaPlayer::~SdlMediaPlayer() = default;

std::int32_t SdlMediaPlayer::PlayState() {
  if (!started_) return kStopped;
  if (Mix_PlayingMusic() != 0) return kPlaying;
  return LoadFrom(next_) && StartLoaded() ? kPlaying : kStopped;
}

void SdlMediaPlayer::SetAutoStart(bool autoStart) { autoStart_ = autoStart; }

void SdlMediaPlayer::SetFileName(const std::string& path) {
  music_.reset();
  started_ = false;
  fileName_ = path;
  lastError_.clear();
  if (IsPlaylistPath(path)) {
    entries_ = ExpandPlaylist(path);
    if (entries_.empty()) lastError_ = "the play list names no file that exists";
  } else if (IsRegularFile(path)) {
    entries_ = {path};
  } else {
    entries_.clear();
    lastError_ = "no such file (or not a regular file)";
  }
  if (entries_.empty()) FailToPlay();
  output_.Open();
  if (!LoadFrom(0)) FailToPlay();
  if (autoStart_ && !StartLoaded()) FailToPlay();
}

void SdlMediaPlayer::Play() {
  if (entries_.empty()) throw RuntimeFailure("There is no file to play");
  output_.Open();
  if (PlayState() == kPlaying) return;
  if (!music_ && !LoadFrom(0)) FailToPlay();
  if (!StartLoaded()) FailToPlay();
}

bool SdlMediaPlayer::LoadFrom(std::size_t index) {
  music_.reset();
  started_ = false;
  for (next_ = index; next_ < entries_.size();) {
    music_.reset(Mix_LoadMUS(entries_[next_++].c_str()));
    if (music_) return true;
    lastError_ = Mix_GetError();
  }
  return false;
}

bool SdlMediaPlayer::StartLoaded() {
  while (music_) {
    if (Mix_PlayMusic(music_.get(), 0) == 0) {
      started_ = true;
      return true;
    }
    lastError_ = Mix_GetError();
    LoadFrom(next_);
  }
  return false;
}

void SdlMediaPlayer::FailToPlay() const {
  throw RuntimeFailure("Cannot play \"" + fileName_ + "\": " + lastError_);
}

}  // namespace vs
