#pragma once

#include <chrono>
#include <thread>

#include "platform/linux/audio/SdlMediaPlayer.h"

namespace vs::test {

// Polls like the saver does, only faster; false if the player still plays after `limit` (a
// guard against hanging, far above any test sound's length).
inline bool PlaysToTheEnd(SdlMediaPlayer& player,
                          std::chrono::milliseconds limit = std::chrono::seconds(20)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (player.PlayState() == MediaPlayer::kPlaying) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

}  // namespace vs::test
