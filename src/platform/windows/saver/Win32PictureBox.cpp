#include "platform/windows/saver/Win32PictureBox.h"

#include <algorithm>
#include <utility>

#include "formats/picture/DecodePicture.h"
#include "platform/windows/saver/RunDeliveringMessages.h"

namespace vs {

Win32PictureBox::Win32PictureBox(HWND form, KeyHandlers keys, MouseSink mouse)
    : form_(form), keys_(std::move(keys)), mouse_(std::move(mouse)) {
  WindowPlace place;
  place.exStyle = WS_EX_NOPARENTNOTIFY;
  place.style = WS_CHILD | WS_CLIPSIBLINGS;
  place.parent = form;
  window_ = OwnedWindow(CreateObjectWindow(this, L"VostramelSaverPicture", CS_DBLCLKS, place));
}

void Win32PictureBox::SetVisible(bool visible) {
  ShowWindow(window_.Get(), visible ? SW_SHOWNA : SW_HIDE);
}

bool Win32PictureBox::Visible() const { return IsWindowVisible(window_.Get()) != FALSE; }

void Win32PictureBox::LoadPicture(const std::string& path) {
  // Let go of the shown picture first: only one frame is held at a time.
  pixels_ = {};
  pixelsWidth_ = pixelsHeight_ = 0;
  RECT form{};
  GetClientRect(form_, &form);
  DecodedPicture picture;
  // Input keeps being handled however long a hostile or huge file takes.
  RunDeliveringMessages([&] { picture = DecodePictureFile(path, form.right, form.bottom); });
  pixels_ = std::move(picture.pixels);
  pixelsWidth_ = picture.visibleWidth;
  pixelsHeight_ = picture.visibleHeight;
  if (autoSize_) {
    width_ = picture.width;
    height_ = picture.height;
    ApplyGeometry();
  }
  InvalidateRect(window_.Get(), nullptr, FALSE);
}

void Win32PictureBox::SetWidth(int width) {
  width_ = width;
  ApplyGeometry();
}

void Win32PictureBox::SetHeight(int height) {
  height_ = height;
  ApplyGeometry();
}

void Win32PictureBox::Move(int left, int top) {
  left_ = left;
  top_ = top;
  ApplyGeometry();
}

void Win32PictureBox::ApplyGeometry() {
  SetWindowPos(window_.Get(), nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32PictureBox::Refresh() {
  RedrawWindow(window_.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void Win32PictureBox::Paint(HDC dc) const {
  RECT box{};
  GetClientRect(window_.Get(), &box);
  const int shownWidth = std::min<int>(pixelsWidth_, box.right);
  const int shownHeight = std::min<int>(pixelsHeight_, box.bottom);
  // Black only beside the picture: painting it over would flicker.
  const auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  const RECT right{shownWidth, 0, box.right, box.bottom};
  const RECT below{0, shownHeight, shownWidth, box.bottom};
  FillRect(dc, &right, black);
  FillRect(dc, &below, black);
  if (shownWidth <= 0 || shownHeight <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixelsWidth_;
  info.bmiHeader.biHeight = -pixelsHeight_;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  // Source and destination of the same size: never scaled, only cut.
  StretchDIBits(dc, 0, 0, shownWidth, shownHeight, 0, 0, shownWidth, shownHeight, pixels_.data(),
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
