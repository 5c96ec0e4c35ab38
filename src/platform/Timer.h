#pragma once

#include <cstdint>

namespace vs {

// A timer control. Enabling starts a fresh countdown of Interval(); setting the
// interval of an enabled timer restarts the countdown; interval 0 never ticks.
class Timer {
 public:
  virtual ~Timer() = default;

  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  // Throws RuntimeFailure for an interval the timer cannot keep.
  virtual void SetInterval(std::int32_t milliseconds) = 0;
  virtual std::int32_t Interval() const = 0;
};

}  // namespace vs
