#pragma once

#include <string>

namespace vs {

// The windowing system's program-wide services.
class Application {
 public:
  virtual ~Application() = default;

  // Arguments only (not the program's own path), joined by single blanks.
  virtual std::string CommandLine() const = 0;
  // Directory the program file was started from, without a trailing separator.
  virtual std::string ProgramDirectory() const = 0;
  // Directory the log lives in, without a trailing separator.
  virtual std::string LogDirectory() const = 0;

  // Lets the windowing system deliver the pending events once.
  virtual void DoEvents() = 0;
  // Ends the program at once with status 0, whatever any other thread is
  // doing: no further handler runs, nothing is flushed, joined or torn down.
  // What must reach the disk is already there.
  [[noreturn]] virtual void End() = 0;

  // Raises (true) or lowers (false) the cursor's display count and returns it;
  // the cursor is hidden while the count is below zero.
  virtual int ShowCursor(bool show) = 0;
  // Sets the application-wide mouse pointer back to the default pointer.
  virtual void SetDefaultMousePointer() = 0;
  // True when keyboard or mouse-button input reached the program since the
  // last query.
  virtual bool GetInputState() = 0;
};

}  // namespace vs
