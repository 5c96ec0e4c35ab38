// What the whole-program tests under Wine need done as a Windows program:
//   spawn APPLICATION COMMAND_LINE  runs the program with exactly that command
//                                   line; its exit status
//   settings PROGRAM                plays the Screen Saver Settings window that
//                                   asks for the dialog with "/c:HWND"
//   hold FILE                       holds FILE open without delete sharing
//                                   until a replace of it has been tried
//   sine PATH SECONDS               writes a sine tone as a WAV file
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "formats/io/windows/WideNames.h"
#include "samples/SampleSounds.h"

namespace {

constexpr wchar_t kDialogCaption[] = L"VostramelSaver Screen Saver Configuration";
constexpr DWORD kPatienceMs = 20000;

int failures = 0;

void Check(bool ok, const char* what) {
  if (!ok) {
    std::printf("FAIL: %s\n", what);
    ++failures;
  }
}

// Delivers this thread's messages until `done` holds; false after kPatienceMs.
bool DeliverUntil(const std::function<bool()>& done) {
  const ULONGLONG end = GetTickCount64() + kPatienceMs;
  while (!done()) {
    if (GetTickCount64() > end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return true;
}

HANDLE Start(const wchar_t* application, std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(application, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::printf("cannot start %ls (error %lu)\n", commandLine.c_str(), GetLastError());
    std::exit(2);
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

// The exit status once the process ended, delivering messages meanwhile;
// 124 after it was ended for taking too long.
DWORD ExitStatus(HANDLE process) {
  if (!DeliverUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; })) {
    TerminateProcess(process, 124);
    WaitForSingleObject(process, INFINITE);
  }
  DWORD status = 0;
  GetExitCodeProcess(process, &status);
  CloseHandle(process);
  return status;
}

struct DialogSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<DialogSearch*>(data);
  wchar_t caption[64] = {};
  GetWindowTextW(window, caption, 64);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search.process && IsWindowVisible(window) &&
      std::wstring(caption) == kDialogCaption) {
    search.found = window;
  }
  return search.found == nullptr;
}

LRESULT CALLBACK SettingsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

int Settings(const std::wstring& program) {
  WNDCLASSW kind{};
  kind.lpfnWndProc = &SettingsProc;
  kind.hInstance = GetModuleHandleW(nullptr);
  kind.lpszClassName = L"HelperSettings";
  RegisterClassW(&kind);
  const RECT place{300, 200, 800, 560};
  const HWND settings = CreateWindowExW(0, kind.lpszClassName, L"Screen Saver Settings",
                                        WS_OVERLAPPEDWINDOW | WS_VISIBLE, place.left, place.top,
                                        place.right - place.left, place.bottom - place.top,
                                        nullptr, nullptr, kind.hInstance, nullptr);
  const std::wstring quoted = L"\"" + program + L"\"";
  const HANDLE first =
      Start(nullptr, quoted + L" /c:" + std::to_wstring(reinterpret_cast<std::uintptr_t>(settings)));
  DialogSearch search{GetProcessId(first), nullptr};
  if (!DeliverUntil([&] {
        EnumWindows(&FindDialog, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      })) {
    std::printf("FAIL: no dialog appeared\n");
    return 1;
  }
  const HWND dialog = search.found;
  Check(GetWindow(dialog, GW_OWNER) == settings, "the dialog is not owned by the Settings window");
  Check(!IsWindowEnabled(settings), "the Settings window is not disabled while the dialog is open");
  RECT shown{};
  GetWindowRect(dialog, &shown);
  const LONG dx = (shown.left + shown.right) - (place.left + place.right);
  const LONG dy = (shown.top + shown.bottom) - (place.top + place.bottom);
  std::printf("dialog at %ld,%ld-%ld,%ld\n", shown.left, shown.top, shown.right, shown.bottom);
  Check(dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2, "the dialog is not centred over Settings");

  // A second dialog is not opened: the first comes to the front.
  SetForegroundWindow(settings);
  Check(ExitStatus(Start(nullptr, quoted + L" /c")) == 0, "a second /c did not end with status 0");
  Check(WaitForSingleObject(first, 0) == WAIT_TIMEOUT, "the first dialog's program ended");
  Check(DeliverUntil([&] { return GetForegroundWindow() == dialog; }),
        "the first dialog did not come to the front");

  PostMessageW(dialog, WM_CLOSE, 0, 0);
  Check(ExitStatus(first) == 0, "the dialog's program did not end with status 0");
  Check(IsWindowEnabled(settings) != FALSE, "the Settings window stays disabled");
  return failures == 0 ? 0 : 1;
}

// Holds the file until a temporary sibling, the replace's new content, has
// been there a while: the replace is then sure to have met the held file.
int Hold(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    std::printf("cannot open %ls (error %lu)\n", path.c_str(), GetLastError());
    return 2;
  }
  std::printf("held\n");
  std::fflush(stdout);
  const std::size_t slash = path.find_last_of(L"\\/");
  const std::wstring pattern = path.substr(0, slash + 1) + L"." + path.substr(slash + 1) + L".*";
  const ULONGLONG end = GetTickCount64() + kPatienceMs;
  for (;;) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      FindClose(search);
      break;
    }
    if (GetTickCount64() > end) {
      std::printf("no replace was tried\n");
      return 1;
    }
    Sleep(5);
  }
  Sleep(300);
  CloseHandle(file);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"spawn" && argc == 4) return static_cast<int>(ExitStatus(Start(argv[2], argv[3])));
  if (command == L"settings" && argc == 3) return Settings(argv[2]);
  if (command == L"hold" && argc == 3) return Hold(argv[2]);
  if (command == L"sine" && argc == 4) {
    vs::samples::WriteSineWav(vs::Utf8Name(argv[2]), std::wcstod(argv[3], nullptr));
    return 0;
  }
  std::printf("usage: see the comment at the top of WineHelper.cpp\n");
  return 2;
}
