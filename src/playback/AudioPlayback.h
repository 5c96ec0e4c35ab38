#pragma once

#include <cstdint>

#include "platform/Application.h"
#include "platform/SaverWindow.h"
#include "settings/Logfile.h"
#include "settings/support.h"

namespace vs {

// Timer2: ends the saver on waiting input, and plays the entries of
// AudioFiles one after another, in a loop. A failure switches audio off.
class AudioPlayback {
 public:
  static constexpr std::int32_t kPlayingPoll = 2000;
  static constexpr std::int32_t kStartingPoll = 200;

  AudioPlayback(SaverWindow& window, Application& app, Support& support, Logfile& log);

  void Timer2_Timer();

  // The entry the next start plays.
  std::int16_t AudioIndex = 0;

 private:
  SaverWindow& window_;
  Application& app_;
  Support& support_;
  Logfile& log_;
};

}  // namespace vs
