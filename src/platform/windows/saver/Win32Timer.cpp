#include "platform/windows/saver/Win32Timer.h"

namespace vs {
namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

Win32Timer::Win32Timer(std::int32_t designInterval, std::function<void()> onTick)
    : TimerControl(designInterval, std::move(onTick)) {
  WindowPlace place;
  place.parent = HWND_MESSAGE;
  window_ = OwnedWindow(CreateObjectWindow(this, L"VostramelSaverTimer", 0, place));
}

void Win32Timer::StartCountdown(std::int32_t milliseconds) {
  // Setting the timer of the same id again replaces the running one; every
  // interval the control keeps lies within SetTimer's range.
  if (SetTimer(window_.Get(), kTimerId, static_cast<UINT>(milliseconds), nullptr) == 0) {
    ThrowLastError("Cannot start the timer");
  }
}

void Win32Timer::StopCountdown() { KillTimer(window_.Get(), kTimerId); }

LRESULT Win32Timer::Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kTimerId) {
    Elapsed();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace vs
