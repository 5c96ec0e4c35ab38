#include "platform/windows/app/Win32Application.h"

#include <utility>

#include "platform/events/Dispatch.h"

namespace vs {
namespace {

constexpr UINT kRunTasks = WM_APP + 1;
// Only ends a wait for messages.
constexpr UINT kWakeUp = WM_APP + 2;
constexpr wchar_t kTaskWindowClass[] = L"VostramelSaverTasks";

bool IsKeyOrButton(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK) ||
         (message >= WM_XBUTTONDOWN && message <= WM_XBUTTONDBLCLK) ||
         (message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK);
}

}  // namespace

Win32Application::Win32Application(std::string commandLine, std::string programDirectory,
                                   std::string logDirectory)
    : commandLine_(std::move(commandLine)),
      programDirectory_(std::move(programDirectory)),
      logDirectory_(std::move(logDirectory)) {
  WindowPlace place;
  // A message-only window: tasks from other threads arrive as its messages.
  place.parent = HWND_MESSAGE;
  taskWindow_ = OwnedWindow(CreateObjectWindow(this, kTaskWindowClass, 0, place));
}

LRESULT Win32Application::Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kWakeUp) return 0;
  if (message != kRunTasks) return DefWindowProcW(window, message, wParam, lParam);
  RunPostedTasks();
  return 0;
}

void Win32Application::Post(std::function<void()> task) {
  {
    const std::lock_guard<std::mutex> lock(tasksMutex_);
    tasks_.push_back(std::move(task));
  }
  PostMessageW(taskWindow_.Get(), kRunTasks, 0, 0);
}

void Win32Application::RunPostedTasks() {
  for (;;) {
    std::function<void()> task;
    {
      const std::lock_guard<std::mutex> lock(tasksMutex_);
      if (tasks_.empty()) return;
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    task();
  }
}

void Win32Application::Deliver(MSG& message) {
  if (IsKeyOrButton(message.message)) inputWaiting_ = true;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void Win32Application::DeliverQueued() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) Win32Application::End();
    Deliver(message);
  }
}

void Win32Application::DoEvents() {
  const EventLoopLevel level;
  DeliverQueued();
}

void Win32Application::DeliverOrWait(std::chrono::milliseconds limit) {
  MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(limit.count()), QS_ALLINPUT,
                              MWMO_INPUTAVAILABLE);
  DeliverQueued();
}

void Win32Application::WakeUp() { PostMessageW(taskWindow_.Get(), kWakeUp, 0, 0); }

void Win32Application::Run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Deliver(message);
  Win32Application::End();
}

void Win32Application::End() {
  // Immediate: no handler, destructor or audio teardown runs after this, and
  // nothing is flushed: a worker may hold a stream's lock for as long as a
  // file on a dead share keeps it reading. The log and the settings are
  // already on disk.
  TerminateProcess(GetCurrentProcess(), 0);
  ExitProcess(0);
}

int Win32Application::ShowCursor(bool show) { return ::ShowCursor(show ? TRUE : FALSE); }

void Win32Application::SetDefaultMousePointer() {
  SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
}

bool Win32Application::GetInputState() {
  // Input already delivered since the last query, or waiting in the queue.
  const bool waiting = inputWaiting_ || ::GetInputState() != FALSE;
  inputWaiting_ = false;
  return waiting;
}

}  // namespace vs
