#include "platform/windows/saver/Win32ScreenCovers.h"

#include <utility>

namespace vs {
namespace {

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  reinterpret_cast<std::vector<HMONITOR>*>(list)->push_back(monitor);
  return TRUE;
}

}  // namespace

Win32ScreenCovers::Win32ScreenCovers(HWND form, MouseSink mouse)
    : form_(form), mouse_(std::move(mouse)) {}

void Win32ScreenCovers::Show() {
  shown_ = true;
  Update();
}

void Win32ScreenCovers::Update() {
  if (!shown_) return;
  covers_.clear();
  std::vector<HMONITOR> monitors;
  EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
  const HMONITOR own = MonitorFromWindow(form_, MONITOR_DEFAULTTOPRIMARY);
  for (HMONITOR monitor : monitors) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (monitor == own || !GetMonitorInfoW(monitor, &info)) continue;
    WindowPlace place;
    // Never active: the keyboard focus stays with the form.
    place.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    place.style = WS_POPUP;
    place.area = info.rcMonitor;
    place.parent = form_;  // the owner: covers stay with the form
    covers_.emplace_back(CreateObjectWindow(this, L"VostramelSaverCover", CS_DBLCLKS, place));
    ShowWindow(covers_.back().Get(), SW_SHOWNOACTIVATE);
  }
}

std::vector<HWND> Win32ScreenCovers::Windows() const {
  std::vector<HWND> windows;
  for (const OwnedWindow& cover : covers_) windows.push_back(cover.Get());
  return windows;
}

LRESULT Win32ScreenCovers::Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsMouseMessage(message)) {
    ForwardMouse(mouse_, window, form_, message, wParam, lParam);
    return 0;
  }
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
      return SendMessageW(form_, message, wParam, lParam);
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace vs
