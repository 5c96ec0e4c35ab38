#pragma once

#include <cstdint>
#include <functional>

#include "platform/Timer.h"

namespace vs {

// The timer control's rules, whatever window system counts down for it:
// enabling starts a fresh countdown, a new interval restarts an enabled
// timer, interval 0 never ticks, and a tick never re-enters itself.
class TimerControl : public Timer {
 public:
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }
  void SetInterval(std::int32_t milliseconds) override;
  std::int32_t Interval() const override { return interval_; }

 protected:
  TimerControl(std::int32_t designInterval, std::function<void()> onTick);

  // The window system's countdown, repeating every `milliseconds` until
  // stopped; starting it again starts afresh.
  virtual void StartCountdown(std::int32_t milliseconds) = 0;
  virtual void StopCountdown() = 0;
  // The window system's tick. One that comes while the timer is stopped (it
  // was queued before) or while its own tick runs (Win32 delivers a timer's
  // messages inside its handler's yields) is no tick.
  void Elapsed();

 private:
  void Rearm();

  std::function<void()> onTick_;
  bool enabled_ = false;
  std::int32_t interval_;
  bool ticking_ = false;
};

}  // namespace vs
