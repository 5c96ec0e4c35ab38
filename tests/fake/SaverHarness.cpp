#include "SaverHarness.h"

namespace vs::fake {

SaverHarness::SaverHarness()
    : log(platform.files, platform.app.programDirectory),
      support(platform.profile, log, platform.app.programDirectory),
      form(platform, support, log, [this] { ++configurationShown; }) {
  platform.pictures[kSplash] = {400, 300};
}

bool SaverHarness::Load(const std::string& commandLine) {
  platform.app.commandLine = commandLine;
  return Raise([&] { form.Form_Load(); });
}

std::vector<std::string> SaverHarness::LogLines() const {
  std::vector<std::string> lines;
  const auto file = platform.files.files.find(kLog);
  if (file == platform.files.files.end()) return lines;
  const std::string& text = file->second;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start) + "<no CRLF>");
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace vs::fake
