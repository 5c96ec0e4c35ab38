#include "FakeClock.h"

#include "core/RuntimeFailure.h"

namespace vs::fake {

FakeTimer* FakeClock::NextDue() const {
  FakeTimer* next = nullptr;
  for (FakeTimer* timer : timers_) {
    if (timer->Armed() && (next == nullptr || timer->Due() < next->Due())) next = timer;
  }
  return next;
}

void FakeClock::Advance(std::int64_t milliseconds) {
  const std::int64_t until = now_ + milliseconds;
  for (FakeTimer* next = NextDue(); next != nullptr && next->Due() <= until; next = NextDue()) {
    now_ = next->Due();
    next->Fire();
  }
  now_ = until;
}

bool FakeClock::FireNext() {
  FakeTimer* next = NextDue();
  if (next == nullptr) return false;
  now_ = next->Due();
  next->Fire();
  return true;
}

FakeTimer::FakeTimer(FakeClock& clock, std::int32_t designInterval)
    : clock_(clock), interval_(designInterval) {
  clock_.Register(this);
}

void FakeTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (enabled_) due_ = clock_.Now() + interval_;
}

void FakeTimer::SetInterval(std::int32_t milliseconds) {
  if (milliseconds < 0) throw RuntimeFailure("Invalid property value: negative interval");
  interval_ = milliseconds;
  if (enabled_) due_ = clock_.Now() + interval_;
}

void FakeTimer::Fire() {
  // A real timer re-arms itself; the handler usually disables it first.
  due_ = clock_.Now() + interval_;
  ++ticks;
  ++running_;
  struct Leave {
    int& running;
    ~Leave() { --running; }
  } leave{running_};
  if (onTick) onTick();
}

}  // namespace vs::fake
