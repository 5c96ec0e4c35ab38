#include "platform/linux/qt/QtTimer.h"

#include <string>

#include "core/RuntimeFailure.h"

namespace vs {

QtTimer::QtTimer(std::int32_t designInterval, std::function<void()> onTick)
    : interval_(designInterval) {
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, std::move(onTick));
}

void QtTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Rearm();
}

void QtTimer::SetInterval(std::int32_t milliseconds) {
  if (milliseconds < 0) {
    throw RuntimeFailure("Invalid property value: timer interval " + std::to_string(milliseconds));
  }
  interval_ = milliseconds;
  if (enabled_) Rearm();
}

void QtTimer::Rearm() {
  // Interval 0 never ticks; any other starts a fresh countdown.
  if (enabled_ && interval_ > 0) {
    timer_.start(interval_);
  } else {
    timer_.stop();
  }
}

}  // namespace vs
