#include "ConfigurationFixture.h"

#include <memory>

namespace vs::fake {

ConfigurationTest::ConfigurationTest()
    : log(platform.files, platform.app.programDirectory),
      support(platform.profile, log, platform.app.programDirectory),
      form(platform, support, log) {
  platform.makeConfigurationView = [this](ConfigurationEvents& events) {
    auto created = std::make_unique<FakeConfigurationView>(events);
    view = created.get();
    return std::unique_ptr<ConfigurationView>(std::move(created));
  };
}

void ConfigurationTest::Open() { form.Show(); }

std::vector<std::string> ConfigurationTest::LogLines() const {
  std::vector<std::string> lines;
  const auto file = platform.files.files.find(log.Path());
  if (file == platform.files.files.end()) return lines;
  const std::string& text = file->second;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

bool ConfigurationTest::LogHasFailure() const {
  for (const std::string& line : LogLines()) {
    if (line.rfind("Error out in", 0) == 0) return true;
  }
  return false;
}

}  // namespace vs::fake
