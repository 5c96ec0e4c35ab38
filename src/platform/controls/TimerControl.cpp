#include "platform/controls/TimerControl.h"

#include <string>
#include <utility>

#include "core/RuntimeFailure.h"

namespace vs {

TimerControl::TimerControl(std::int32_t designInterval, std::function<void()> onTick)
    : onTick_(std::move(onTick)), interval_(designInterval) {}

void TimerControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Rearm();
}

void TimerControl::SetInterval(std::int32_t milliseconds) {
  if (milliseconds < 0) {
    throw RuntimeFailure("Invalid property value: timer interval " + std::to_string(milliseconds));
  }
  interval_ = milliseconds;
  if (enabled_) Rearm();
}

void TimerControl::Rearm() {
  if (enabled_ && interval_ > 0) {
    StartCountdown(interval_);
  } else {
    StopCountdown();
  }
}

void TimerControl::Elapsed() {
  if (!enabled_ || interval_ <= 0 || ticking_) return;
  ticking_ = true;
  struct Leave {
    bool& ticking;
    ~Leave() { ticking = false; }
  } leave{ticking_};
  onTick_();
}

}  // namespace vs
