#pragma once

#include <functional>

#include "platform/windows/Win32.h"

namespace vs {

// The shift state of the saver's events: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState();
// The buttons held during a mouse message: 1 left, 2 right, 4 middle, 8 and
// 16 the extra ones.
int ButtonState(WPARAM wParam);

// Where a focusable window of the saver form sends its keys.
struct KeyHandlers {
  std::function<void(int keyCode, int shift)> keyDown;
  std::function<void(int keyAscii)> keyPress;
  // Releases are the form's whichever window has the focus.
  std::function<void(int keyCode, int shift)> keyUp;
  // Tab without Ctrl or Alt moves the focus on instead of being a key.
  std::function<void()> focusNext;
};

// Handles a key message; false for any other message.
bool DeliverKey(const KeyHandlers& handlers, UINT message, WPARAM wParam);

// Where a window of the saver sends its mouse messages, with the position in
// the form's client pixels.
using MouseSink = std::function<void(UINT message, WPARAM wParam, POINT onForm)>;

// True for the mouse messages of a window's client area.
bool IsMouseMessage(UINT message);

// Passes a mouse message of `window` on to `sink` in `form`'s coordinates.
void ForwardMouse(const MouseSink& sink, HWND window, HWND form, UINT message, WPARAM wParam,
                  LPARAM lParam);

}  // namespace vs
