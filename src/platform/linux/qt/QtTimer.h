#pragma once

#include <QTimer>
#include <functional>

#include "platform/Timer.h"

namespace vs {

class QtTimer : public Timer {
 public:
  QtTimer(std::int32_t designInterval, std::function<void()> onTick);

  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }
  void SetInterval(std::int32_t milliseconds) override;
  std::int32_t Interval() const override { return interval_; }

 private:
  void Rearm();

  QTimer timer_;
  bool enabled_ = false;
  std::int32_t interval_;
};

}  // namespace vs
