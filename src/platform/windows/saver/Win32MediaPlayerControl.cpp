#include "platform/windows/saver/Win32MediaPlayerControl.h"

#include <utility>

namespace vs {

Win32MediaPlayerControl::Win32MediaPlayerControl(HWND form, std::unique_ptr<MediaPlayer> backend,
                                                 KeyHandlers keys)
    : backend_(std::move(backend)), keys_(std::move(keys)) {
  WindowPlace place;
  place.exStyle = WS_EX_NOPARENTNOTIFY;
  // No size: it never covers the picture, yet it can hold the focus.
  place.style = WS_CHILD | WS_VISIBLE;
  place.parent = form;
  window_ = OwnedWindow(CreateObjectWindow(this, L"VostramelSaverPlayer", 0, place));
}

LRESULT Win32MediaPlayerControl::Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (DeliverKey(keys_, message, wParam)) return 0;
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace vs
