#include "platform/windows/saver/ControlInput.h"

#include <windowsx.h>

namespace vs {
namespace {

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

constexpr WPARAM kTab = 9;

}  // namespace

int ShiftState() {
  return (Held(VK_SHIFT) ? 1 : 0) | (Held(VK_CONTROL) ? 2 : 0) | (Held(VK_MENU) ? 4 : 0);
}

int ButtonState(WPARAM wParam) {
  return ((wParam & MK_LBUTTON) ? 1 : 0) | ((wParam & MK_RBUTTON) ? 2 : 0) |
         ((wParam & MK_MBUTTON) ? 4 : 0) | ((wParam & MK_XBUTTON1) ? 8 : 0) |
         ((wParam & MK_XBUTTON2) ? 16 : 0);
}

bool DeliverKey(const KeyHandlers& handlers, UINT message, WPARAM wParam) {
  const bool plainTab = wParam == kTab && !Held(VK_CONTROL) && !Held(VK_MENU);
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (plainTab) {
        handlers.focusNext();
      } else {
        handlers.keyDown(static_cast<int>(wParam), ShiftState());
      }
      return true;
    case WM_CHAR:
    case WM_SYSCHAR:
      // The character of a Tab that moved the focus is no key press.
      if (!plainTab) handlers.keyPress(static_cast<int>(wParam));
      return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      handlers.keyUp(static_cast<int>(wParam), ShiftState());
      return true;
    default:
      return false;
  }
}

bool IsMouseMessage(UINT message) {
  return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && message != WM_MOUSEWHEEL &&
         message != WM_MOUSEHWHEEL;
}

void ForwardMouse(const MouseSink& sink, HWND window, HWND form, UINT message, WPARAM wParam,
                  LPARAM lParam) {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  MapWindowPoints(window, form, &point, 1);
  sink(message, wParam, point);
}

}  // namespace vs
