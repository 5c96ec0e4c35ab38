#include "platform/linux/qt/QtTimer.h"

namespace vs {

QtTimer::QtTimer(std::int32_t designInterval, std::function<void()> onTick)
    : TimerControl(designInterval, std::move(onTick)) {
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Elapsed(); });
}

}  // namespace vs
