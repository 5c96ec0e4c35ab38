#pragma once

#include <cstdint>
#include <functional>

#include "platform/controls/TimerControl.h"
#include "platform/windows/Win32.h"
#include "platform/windows/app/ObjectWindow.h"

namespace vs {

// A timer of the saver form on SetTimer: its ticks arrive as messages of a
// message-only window of its own, so they come only while messages are
// delivered.
class Win32Timer : public TimerControl {
 public:
  Win32Timer(std::int32_t designInterval, std::function<void()> onTick);
  // Its windows hold its address.
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;

  LRESULT Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  void StartCountdown(std::int32_t milliseconds) override;
  void StopCountdown() override;

 private:
  OwnedWindow window_;
};

}  // namespace vs
