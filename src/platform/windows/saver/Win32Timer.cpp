#include "platform/windows/saver/Win32Timer.h"

#include <string>

#include "core/RuntimeFailure.h"

namespace vs {
namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

Win32Timer::Win32Timer(std::int32_t designInterval, std::function<void()> onTick)
    : onTick_(std::move(onTick)), interval_(designInterval) {
  WindowPlace place;
  place.parent = HWND_MESSAGE;
  window_ = OwnedWindow(CreateObjectWindow(this, L"VostramelSaverTimer", 0, place));
}

void Win32Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Rearm();
}

void Win32Timer::SetInterval(std::int32_t milliseconds) {
  // Every other value lies within SetTimer's range (up to 0x7FFFFFFF).
  if (milliseconds < 0) {
    throw RuntimeFailure("Invalid property value: timer interval " + std::to_string(milliseconds));
  }
  interval_ = milliseconds;
  if (enabled_) Rearm();
}

void Win32Timer::Rearm() {
  // Interval 0 never ticks; any other starts a fresh countdown, as setting the
  // timer of the same id again replaces the running one.
  if (enabled_ && interval_ > 0) {
    if (SetTimer(window_.Get(), kTimerId, static_cast<UINT>(interval_), nullptr) == 0) {
      ThrowLastError("Cannot start the timer");
    }
  } else {
    KillTimer(window_.Get(), kTimerId);
  }
}

LRESULT Win32Timer::Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kTimerId) {
    // A tick already queued when the timer stopped is no tick.
    if (enabled_ && interval_ > 0) onTick_();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace vs
