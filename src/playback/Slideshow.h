#pragma once

#include <cstdint>
#include <functional>

#include "platform/Application.h"
#include "platform/SaverWindow.h"
#include "settings/Logfile.h"
#include "settings/support.h"

namespace vs {

// Timer1: shows the entries of ImageFiles one per tick, passing over the
// entries that are no pictures, in a loop.
class Slideshow {
 public:
  static constexpr std::int32_t kPassOverInterval = 100;

  Slideshow(SaverWindow& window, Application& app, Support& support, Logfile& log,
            std::function<void()> endSaver);

  void Timer1_Timer();

  std::int16_t ImageIndex = 0;
  // 1 after a tick passed over an entry that is not a picture.
  std::int16_t SkipPending = 0;

 private:
  void Advance();
  void Fail(const std::exception& failure);

  SaverWindow& window_;
  Application& app_;
  Support& support_;
  Logfile& log_;
  std::function<void()> endSaver_;
};

}  // namespace vs
