#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <string>

#include "platform/Application.h"
#include "platform/events/EventWait.h"
#include "platform/windows/Win32.h"
#include "platform/windows/app/ObjectWindow.h"

namespace vs {

// The program-wide services on the Win32 API. The user-interface thread is
// the one that creates it; its message loops are Run and DoEvents.
class Win32Application : public Application, public EventWait {
 public:
  Win32Application(std::string commandLine, std::string programDirectory,
                   std::string logDirectory);
  Win32Application(const Win32Application&) = delete;
  Win32Application& operator=(const Win32Application&) = delete;

  std::string CommandLine() const override { return commandLine_; }
  std::string ProgramDirectory() const override { return programDirectory_; }
  std::string LogDirectory() const override { return logDirectory_; }

  void DoEvents() override;
  [[noreturn]] void End() override;
  int ShowCursor(bool show) override;
  void SetDefaultMousePointer() override;
  bool GetInputState() override;
  void DeliverOrWait(std::chrono::milliseconds limit) override;
  void WakeUp() override;

  // Delivers messages until the program ends.
  [[noreturn]] void Run();
  // Runs `task` on the user-interface thread; callable from any thread.
  void Post(std::function<void()> task);

  // The messages of the window that receives posted tasks.
  LRESULT Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Deliver(MSG& message);
  // Delivers what is queued; a request to quit ends the program.
  void DeliverQueued();
  void RunPostedTasks();

  std::string commandLine_;
  std::string programDirectory_;
  std::string logDirectory_;
  bool inputWaiting_ = false;
  OwnedWindow taskWindow_;
  std::mutex tasksMutex_;
  std::deque<std::function<void()>> tasks_;
};

}  // namespace vs
