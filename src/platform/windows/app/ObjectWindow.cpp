#include "platform/windows/app/ObjectWindow.h"

#include <string>

#include "core/RuntimeFailure.h"

namespace vs {

void RegisterObjectClass(const wchar_t* className, WNDPROC procedure, UINT classStyle,
                         HBRUSH background) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = classStyle;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground =
      background != nullptr ? background : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = className;
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    ThrowLastError("Cannot register a window class");
  }
}

void ThrowLastError(const char* what) {
  throw RuntimeFailure(std::string(what) + " (system error " + std::to_string(GetLastError()) +
                       ")");
}

}  // namespace vs
