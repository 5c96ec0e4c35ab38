#include "SaverHarness.h"

namespace vs::fake {

SaverHarness::SaverHarness()
    : log(platform.files, platform.app.logDirectory),
      support(platform.profile, log, platform.app.programDirectory),
      form(platform, support, log, [this] { ++configurationShown; }) {
  platform.pictures[kSplash] = {400, 300};
}

bool SaverHarness::Load(const std::string& commandLine) {
  platform.app.commandLine = commandLine;
  return Raise([&] { form.Form_Load(); });
}

std::vector<std::string> SaverHarness::LogLines() const { return platform.files.Lines(kLog); }

}  // namespace vs::fake
