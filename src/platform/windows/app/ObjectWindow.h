#pragma once

#include "platform/windows/Win32.h"

namespace vs {

// The window procedure of windows made by CreateObjectWindow: it hands each
// message to T::Message of the object the window was made for.
template <typename T>
LRESULT CALLBACK ObjectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* object = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (object == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return object->Message(window, message, wParam, lParam);
}

// Throws RuntimeFailure naming `what` and the system's reason.
[[noreturn]] void ThrowLastError(const char* what);

// Registers the window class `className` on first use; black-backed unless
// `background` says otherwise.
void RegisterObjectClass(const wchar_t* className, WNDPROC procedure, UINT classStyle,
                         HBRUSH background = nullptr);

// Where and how a window is made.
struct WindowPlace {
  DWORD exStyle = 0;
  DWORD style = 0;
  RECT area{};
  HWND parent = nullptr;
};

// A window whose messages go to `object`'s Message(window, message, wParam,
// lParam); its class is registered on first use.
template <typename T>
HWND CreateObjectWindow(T* object, const wchar_t* className, UINT classStyle,
                        const WindowPlace& place) {
  RegisterObjectClass(className, &ObjectWindowProc<T>, classStyle);
  HWND window =
      CreateWindowExW(place.exStyle, className, L"", place.style, place.area.left, place.area.top,
                      place.area.right - place.area.left, place.area.bottom - place.area.top,
                      place.parent, nullptr, GetModuleHandleW(nullptr), object);
  if (window == nullptr) ThrowLastError("Cannot create a window");
  return window;
}

// Owns a window: destroys it, after detaching it from its object, so no
// message reaches an object that is being destroyed.
class OwnedWindow {
 public:
  explicit OwnedWindow(HWND window = nullptr) : window_(window) {}
  ~OwnedWindow() { Reset(); }
  OwnedWindow(OwnedWindow&& other) noexcept : window_(other.window_) { other.window_ = nullptr; }
  OwnedWindow& operator=(OwnedWindow&& other) noexcept {
    if (this != &other) {
      Reset();
      window_ = other.window_;
      other.window_ = nullptr;
    }
    return *this;
  }
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;

  HWND Get() const { return window_; }

 private:
  void Reset() {
    if (window_ == nullptr) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    window_ = nullptr;
  }

  HWND window_;
};

}  // namespace vs
