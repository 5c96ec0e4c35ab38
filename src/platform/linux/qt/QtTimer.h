#pragma once

#include <QTimer>
#include <functional>

#include "platform/controls/TimerControl.h"

namespace vs {

class QtTimer : public TimerControl {
 public:
  QtTimer(std::int32_t designInterval, std::function<void()> onTick);

 protected:
  void StartCountdown(std::int32_t milliseconds) override { timer_.start(milliseconds); }
  void StopCountdown() override { timer_.stop(); }

 private:
  QTimer timer_;
};

}  // namespace vs
