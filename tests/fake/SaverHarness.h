#pragma once

#include <memory>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "saver/frmScreenSaver.h"
#include "settings/Logfile.h"
#include "settings/support.h"

namespace vs::fake {

// One program run on the fake platform: the settings, the log and the saver
// form wired as the real program wires them.
class SaverHarness {
 public:
  static constexpr const char* kSplash = kSplashPath;
  static constexpr const char* kLog = kLogPath;

  SaverHarness();

  // Runs the form's load handler with these arguments; true when the program
  // ended inside it.
  bool Load(const std::string& commandLine);
  // Runs an event handler; true when it ended the program.
  template <typename Handler>
  bool Raise(Handler&& handler) {
    try {
      handler();
      return false;
    } catch (const ProgramEnded&) {
      return true;
    }
  }
  // Advances the simulated clock; true when a tick ended the program.
  bool Advance(std::int64_t milliseconds) {
    return Raise([&] { platform.clock.Advance(milliseconds); });
  }

  std::vector<std::string> LogLines() const;
  FakeSaverWindow& Window() { return *platform.saverWindow; }

  FakePlatform platform;
  Logfile log;
  Support support;
  int configurationShown = 0;
  frmScreenSaver form;
};

}  // namespace vs::fake
