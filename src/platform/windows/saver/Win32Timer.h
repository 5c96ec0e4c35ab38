#pragma once

#include <cstdint>
#include <functional>

#include "platform/Timer.h"
#include "platform/windows/Win32.h"
#include "platform/windows/app/ObjectWindow.h"

namespace vs {

// A timer of the saver form on SetTimer: its ticks arrive as messages of a
// message-only window of its own, so they come only while messages are
// delivered.
class Win32Timer : public Timer {
 public:
  Win32Timer(std::int32_t designInterval, std::function<void()> onTick);
  // Its windows hold its address.
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;

  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }
  void SetInterval(std::int32_t milliseconds) override;
  std::int32_t Interval() const override { return interval_; }

  LRESULT Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Rearm();

  std::function<void()> onTick_;
  bool enabled_ = false;
  std::int32_t interval_;
  OwnedWindow window_;
};

}  // namespace vs
