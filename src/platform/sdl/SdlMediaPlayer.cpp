#include "platform/sdl/SdlMediaPlayer.h"

#include <SDL_mixer.h>

#include <chrono>
#include <utility>

#include "core/Extension.h"
#include "core/RuntimeFailure.h"
#include "formats/m3u/M3uPlaylist.h"
#include "platform/events/RunDeliveringEvents.h"

namespace vs {
namespace {

// A share that has not handed over a byte for this long has stopped answering.
constexpr std::chrono::seconds kStalledRead{5};

// The player whose entries the end-of-music hook moves on.
std::atomic<SdlMediaPlayer*> hookedPlayer{nullptr};

}  // namespace

SdlMediaPlayer::SdlMediaPlayer(PostToUiThread post, EventWait& events)
    : post_(std::move(post)),
      events_(events),
      self_(std::make_shared<SdlMediaPlayer*>(this)),
      reading_(std::make_shared<std::atomic<bool>>(false)) {
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
  const bool listGoesOn = loading_ || next_ < entries_.size();
  return started_ && (Mix_PlayingMusic() != 0 || listGoesOn) ? kPlaying : kStopped;
}

void SdlMediaPlayer::SetAutoStart(bool autoStart) { autoStart_ = autoStart; }

void SdlMediaPlayer::SetFileName(const std::string& path) {
  song_.reset();
  started_ = false;
  fileName_ = path;
  lastError_.clear();
  const bool list = IsPlaylistPath(path);
  entries_ = list ? std::vector<std::string>() : std::vector<std::string>{path};
  FailingToPlay([&] {
    output_.Open();
    if (!LoadFrom(0, list ? path : std::string())) return false;
    return !autoStart_ || StartLoaded();
  });
}

void SdlMediaPlayer::Play() {
  if (entries_.empty()) throw RuntimeFailure("There is no file to play");
  FailingToPlay([&] {
    output_.Open();
    if (PlayState() == kPlaying) return true;
    // An ended file or list starts again from its first entry.
    if ((started_ || !song_) && !LoadFrom(0)) return false;
    return StartLoaded();
  });
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
  if (loading_ || !started_ || Mix_PlayingMusic() != 0) return;
  try {
    if (LoadFrom(next_)) StartLoaded();
  } catch (const RuntimeFailure&) {
    // The rest of the list does not answer: it has ended, and the saver moves on.
    entries_.clear();
    next_ = 0;
  }
}

bool SdlMediaPlayer::LoadFrom(std::size_t index, const std::string& listPath) {
  song_.reset();
  if (*reading_) {
    lastError_ = "an earlier file still does not answer";
    return false;
  }
  // The worker may outlive this call: it works on copies and hands back what it owns.
  auto found = std::make_shared<Found>();
  found->entries = entries_;
  const auto job = [found, index, listPath, reading = reading_](const SignOfLife& alive) {
    *reading = true;
    struct Back {
      std::atomic<bool>& reading;
      ~Back() { reading = false; }
    } back{*reading};
    if (!listPath.empty()) {
      found->entries = ExpandPlaylist(listPath);
      if (found->entries.empty()) found->lastError = "the play list names no file that exists";
    }
    for (found->next = index; found->next < found->entries.size() && !found->song;) {
      const std::string& entry = found->entries[found->next++];
      try {
        found->song = std::make_unique<LoadedSong>(entry, alive);
      } catch (const RuntimeFailure& failure) {
        found->lastError = failure.what();
      }
    }
  };
  {
    // Meanwhile the list still plays: the ticks that read its state leave it alone.
    loading_ = true;
    struct Done {
      bool& loading;
      ~Done() { loading = false; }
    } done{loading_};
    RunDeliveringEvents(events_, job, kStalledRead, "the file does not answer");
  }
  entries_ = std::move(found->entries);
  next_ = found->next;
  song_ = std::move(found->song);
  started_ = false;
  if (!song_) lastError_ = found->lastError;
  return song_ != nullptr;
}

bool SdlMediaPlayer::StartLoaded() {
  while (song_) {
    if (Mix_PlayMusic(song_->Music(), 0) == 0) {
      started_ = true;
      return true;
    }
    lastError_ = Mix_GetError();
    LoadFrom(next_);
  }
  return false;
}

void SdlMediaPlayer::FailingToPlay(const std::function<bool()>& start) {
  try {
    if (start()) return;
  } catch (const RuntimeFailure& failure) {
    lastError_ = failure.what();
  }
  // Nothing plays now, and the saver starts no other file: let the device go, which would
  // otherwise keep the system from sleeping.
  song_.reset();
  output_.Close();
  throw RuntimeFailure("Cannot play \"" + fileName_ + "\": " + lastError_);
}

}  // namespace vs
