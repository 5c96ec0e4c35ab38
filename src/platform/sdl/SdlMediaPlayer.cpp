#include "platform/sdl/SdlMediaPlayer.h"

#include <SDL_mixer.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/Extension.h"
#include "core/RuntimeFailure.h"
#include "core/Utf8Path.h"
#include "formats/m3u/M3uPlaylist.h"
#include "platform/sdl/NativeMidiBounds.h"

namespace vs {
namespace {

// The player whose entries the end-of-music hook moves on.
std::atomic<SdlMediaPlayer*> hookedPlayer{nullptr};

// Also keeps the decoders away from devices and pipes, whose opening could block.
bool IsRegularFile(const std::string& path) {
  std::error_code error;
  try {
    return std::filesystem::is_regular_file(PathOfUtf8(path), error);
  } catch (const std::filesystem::filesystem_error&) {
    return false;  // not UTF-8: Windows cannot name it
  }
}

// Only SDL_mixer's own MIDI reader needs the check; other MIDI players check files themselves.
bool WouldCrashTheMidiReader(const std::string& path) {
  std::ifstream in(PathOfUtf8(path), std::ios::binary);
  std::string head(kNativeMidiHeadBytes, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  if (!NativeMidiReaderReads(head)) return false;
  // SDL_mixer lists its MIDI player only once that is opened, which it otherwise does at the
  // first load of a MIDI file.
  Mix_Init(MIX_INIT_MID);
  if (!Mix_HasMusicDecoder("NATIVEMIDI")) return false;
  return OverrunsNativeMidiReader(head + std::string(std::istreambuf_iterator<char>(in), {}));
}

}  // namespace

void SdlMediaPlayer::MusicDeleter::operator()(Mix_Music* music) const { Mix_FreeMusic(music); }

SdlMediaPlayer::SdlMediaPlayer(PostToUiThread post)
    : post_(std::move(post)), self_(std::make_shared<SdlMediaPlayer*>(this)) {
  hookedPlayer = this;
  Mix_HookMusicFinished(&SdlMediaPlayer::MusicFinished);
}

SdlMediaPlayer::~SdlMediaPlayer() {
  // Returns once a running hook has finished: none runs after this.
  Mix_HookMusicFinished(nullptr);
  hookedPlayer = nullptr;
}

std::int32_t SdlMediaPlayer::PlayState() {
  // Between an entry's end and the start of the next one the list still plays.
  return started_ && (Mix_PlayingMusic() != 0 || next_ < entries_.size()) ? kPlaying : kStopped;
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
  // An ended file or list starts again from its first entry.
  if ((started_ || !music_) && !LoadFrom(0)) FailToPlay();
  if (!StartLoaded()) FailToPlay();
}

void SdlMediaPlayer::MusicFinished() {
  SdlMediaPlayer* player = hookedPlayer;
  if (player == nullptr) return;
  player->post_([self = std::weak_ptr<SdlMediaPlayer*>(player->self_)] {
    if (const auto live = self.lock()) (*live)->StartNextEntry();
  });
}

void SdlMediaPlayer::StartNextEntry() {
  // The task runs late: a new name or Play() may have started music since; only an ended entry
  // moves on.
  if (!started_ || Mix_PlayingMusic() != 0) return;
  if (LoadFrom(next_)) StartLoaded();
}

bool SdlMediaPlayer::LoadFrom(std::size_t index) {
  music_.reset();
  started_ = false;
  for (next_ = index; next_ < entries_.size();) {
    const std::string& entry = entries_[next_++];
    if (WouldCrashTheMidiReader(entry)) {
      lastError_ = "the MIDI file is damaged";
      continue;
    }
    music_.reset(Mix_LoadMUS(entry.c_str()));
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
