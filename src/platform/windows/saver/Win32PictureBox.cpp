#include "platform/windows/saver/Win32PictureBox.h"

#include <algorithm>
#include <utility>

namespace vs {

Win32PictureBox::Win32PictureBox(HWND form, KeyHandlers keys, MouseSink mouse, EventWait& events)
    : PictureBoxControl(events), form_(form), keys_(std::move(keys)), mouse_(std::move(mouse)) {
  WindowPlace place;
  place.exStyle = WS_EX_NOPARENTNOTIFY;
  place.style = WS_CHILD | WS_CLIPSIBLINGS;
  place.parent = form;
  window_ = OwnedWindow(CreateObjectWindow(this, L"VostramelSaverPicture", CS_DBLCLKS, place));
}

void Win32PictureBox::ShowBox(bool visible) {
  ShowWindow(window_.Get(), visible ? SW_SHOWNA : SW_HIDE);
}

int Win32PictureBox::FormWidthPixels() const {
  RECT form{};
  GetClientRect(form_, &form);
  return form.right;
}

int Win32PictureBox::FormHeightPixels() const {
  RECT form{};
  GetClientRect(form_, &form);
  return form.bottom;
}

void Win32PictureBox::PlaceBox() {
  SetWindowPos(window_.Get(), nullptr, Left(), Top(), Width(), Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32PictureBox::PictureChanged() { InvalidateRect(window_.Get(), nullptr, FALSE); }

void Win32PictureBox::Refresh() {
  RedrawWindow(window_.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void Win32PictureBox::Paint(HDC dc) const {
  RECT box{};
  GetClientRect(window_.Get(), &box);
  const DecodedPicture& shown = Shown();
  const int shownWidth = std::min<int>(shown.visibleWidth, box.right);
  const int shownHeight = std::min<int>(shown.visibleHeight, box.bottom);
  // Black only beside the picture: painting it over would flicker.
  const auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  const RECT right{shownWidth, 0, box.right, box.bottom};
  const RECT below{0, shownHeight, shownWidth, box.bottom};
  FillRect(dc, &right, black);
  FillRect(dc, &below, black);
  if (shownWidth <= 0 || shownHeight <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = shown.visibleWidth;
  info.bmiHeader.biHeight = -shown.visibleHeight;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  // Source and destination of the same size: never scaled, only cut.
  StretchDIBits(dc, 0, 0, shownWidth, shownHeight, 0, 0, shownWidth, shownHeight, shown.pixels.data(),
                &info, DIB_RGB_COLORS, SRCCOPY);
}

LRESULT Win32PictureBox::Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (DeliverKey(keys_, message, wParam)) return 0;
  if (IsMouseMessage(message)) {
    // Focus on a click, as the form's own controls take it.
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
      SetFocus(window);
    }
    ForwardMouse(mouse_, window, form_, message, wParam, lParam);
    return 0;
  }
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      Paint(dc);
      EndPaint(window, &paint);
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace vs
