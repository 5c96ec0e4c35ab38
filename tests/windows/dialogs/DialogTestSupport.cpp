#include "DialogTestSupport.h"

#include <fstream>
#include <map>
#include <random>

#include "formats/io/windows/WideNames.h"

namespace vs::test {
namespace {

struct Waiting {
  HWND window;
  std::function<void()> act;
};
std::map<UINT_PTR, Waiting> waiting;  // by timer
std::map<UINT_PTR, HWND> guarded;     // by timer

void CALLBACK CloseLeftOpen(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const HWND window = guarded[timer];
  guarded.erase(timer);
  if (IsWindowVisible(window)) PostMessageW(window, WM_CLOSE, 0, 0);
}

void CALLBACK ActWhenShown(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!IsWindowVisible(waiting[timer].window)) return;
  KillTimer(nullptr, timer);
  const Waiting shown = std::move(waiting[timer]);
  waiting.erase(timer);
  shown.act();
  guarded[SetTimer(nullptr, 0, 5000, &CloseLeftOpen)] = shown.window;
}

}  // namespace

TemporaryFolder::TemporaryFolder() {
  std::random_device random;
  path_ =
      std::filesystem::temp_directory_path() /
      (L"vs-dialogs-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(random()));
  std::filesystem::create_directories(path_);
  // The long form: the lists show long names.
  std::wstring full(GetLongPathNameW(path_.c_str(), nullptr, 0) + 1, L'\0');
  full.resize(GetLongPathNameW(path_.c_str(), full.data(), static_cast<DWORD>(full.size())));
  path_ = full;
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TemporaryFolder::Utf8() const { return Utf8Name(path_.wstring()); }

void TemporaryFolder::AddFile(const std::string& name) const {
  std::ofstream(path_ / WideName(name)).put('x');
}

void TemporaryFolder::AddFolder(const std::string& name) const {
  std::filesystem::create_directory(path_ / WideName(name));
}

CurrentDirectory::CurrentDirectory(const std::filesystem::path& folder)
    : old_(std::filesystem::current_path()) {
  std::filesystem::current_path(folder);
}

CurrentDirectory::~CurrentDirectory() { std::filesystem::current_path(old_); }

HWND WindowCaptioned(const std::wstring& caption) {
  return FindWindowW(L"VostramelSaverDialog", caption.c_str());
}

void WhenShown(HWND window, std::function<void()> act) {
  waiting[SetTimer(nullptr, 0, 10, &ActWhenShown)] = Waiting{window, std::move(act)};
}

RECT ClientRectOf(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void ClickEntry(HWND list, int index, bool twice) {
  RECT entry{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&entry));
  const LPARAM at = MAKELPARAM((entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(list, WM_LBUTTONUP, 0, at);
  if (!twice) return;
  SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageW(list, WM_LBUTTONUP, 0, at);
}

bool PressInDialog(HWND dialog, UINT message, WPARAM key) {
  MSG press{};
  press.hwnd = GetFocus();
  press.message = message;
  press.wParam = key;
  press.lParam = message == WM_SYSCHAR ? (1 << 29) : 0;  // Alt held
  return IsDialogMessageW(dialog, &press) != FALSE;
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace vs::test
