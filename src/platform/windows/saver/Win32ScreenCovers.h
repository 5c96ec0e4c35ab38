#pragma once

#include <vector>

#include "platform/windows/Win32.h"
#include "platform/windows/saver/ControlInput.h"
#include "platform/windows/app/ObjectWindow.h"

namespace vs {

// Once shown, a black top-most cover on every monitor but the form's own. The
// covers belong to the form: their keys go to it, their mouse input to `mouse`
// in the form's coordinates.
class Win32ScreenCovers {
 public:
  Win32ScreenCovers(HWND form, MouseSink mouse);
  // Its windows hold its address.
  Win32ScreenCovers(const Win32ScreenCovers&) = delete;
  Win32ScreenCovers& operator=(const Win32ScreenCovers&) = delete;

  void Show();
  // Follows monitors that came, went or moved.
  void Update();
  std::vector<HWND> Windows() const;

  LRESULT Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HWND form_;
  MouseSink mouse_;
  bool shown_ = false;
  std::vector<OwnedWindow> covers_;
};

}  // namespace vs
