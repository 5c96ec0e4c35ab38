#pragma once

#include <deque>
#include <functional>
#include <string>

#include "platform/Application.h"

namespace vs::fake {

// The program's folder and the two files it keeps there, written as the
// platform writes paths.
#ifdef _WIN32
inline constexpr const char* kProgramDirectory = "C:\\vostramel";
inline constexpr const char* kSplashPath = "C:\\vostramel\\vostramelsaver.jpg";
inline constexpr const char* kLogPath = "C:\\vostramel\\VostramelSaver.log";
#else
inline constexpr const char* kProgramDirectory = "/opt/vostramel";
inline constexpr const char* kSplashPath = "/opt/vostramel/vostramelsaver.jpg";
inline constexpr const char* kLogPath = "/opt/vostramel/VostramelSaver.log";
#endif

// Thrown by End(). Not a std::exception, so the handlers' guards let it pass,
// just as ending the real program skips every further handler.
struct ProgramEnded {};

class FakeApplication : public Application {
 public:
  std::string CommandLine() const override { return commandLine; }
  std::string ProgramDirectory() const override { return programDirectory; }
  std::string LogDirectory() const override { return logDirectory; }
  // Delivers the events queued with Post(), as the real one delivers input.
  void DoEvents() override;
  [[noreturn]] void End() override;
  int ShowCursor(bool show) override { return cursorCount += show ? 1 : -1; }
  void SetDefaultMousePointer() override { mousePointerDefault = true; }
  bool GetInputState() override;

  // Queues an event that the next DoEvents delivers.
  void Post(std::function<void()> event) { pending_.push_back(std::move(event)); }

  std::string commandLine;
  std::string programDirectory = kProgramDirectory;
  std::string logDirectory = kProgramDirectory;
  int cursorCount = 0;
  bool mousePointerDefault = false;
  bool inputWaiting = false;
  bool ended = false;
  int doEventsCalls = 0;
  // Runs inside End(), before it throws.
  std::function<void()> onEnd;

 private:
  std::deque<std::function<void()>> pending_;
};

}  // namespace vs::fake
