#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/Timer.h"

namespace vs::fake {

class FakeTimer;

// Simulated milliseconds; timers fire only when a test advances the clock.
class FakeClock {
 public:
  std::int64_t Now() const { return now_; }
  // Fires every due tick in time order, up to now + milliseconds.
  void Advance(std::int64_t milliseconds);
  // Moves to the next due tick and fires it; false when no timer is armed.
  bool FireNext();

  void Register(FakeTimer* timer) { timers_.push_back(timer); }

 private:
  FakeTimer* NextDue() const;

  std::int64_t now_ = 0;
  std::vector<FakeTimer*> timers_;
};

// Keeps the control's rules: enabling starts a fresh countdown, a new
// interval restarts an enabled timer, interval 0 never ticks.
class FakeTimer : public Timer {
 public:
  FakeTimer(FakeClock& clock, std::int32_t designInterval);

  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }
  void SetInterval(std::int32_t milliseconds) override;
  std::int32_t Interval() const override { return interval_; }

  // A timer does not tick again while its own tick runs.
  bool Armed() const { return enabled_ && interval_ > 0 && running_ == 0; }
  std::int64_t Due() const { return due_; }
  void Fire();

  std::function<void()> onTick;
  int ticks = 0;

 private:
  FakeClock& clock_;
  bool enabled_ = false;
  std::int32_t interval_;
  std::int64_t due_ = 0;
  int running_ = 0;
};

}  // namespace vs::fake
