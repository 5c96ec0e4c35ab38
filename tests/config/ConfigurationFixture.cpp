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
  return platform.files.Lines(log.Path());
}

bool ConfigurationTest::LogHasFailure() const {
  for (const std::string& line : LogLines()) {
    if (line.rfind("Error out in", 0) == 0) return true;
  }
  return false;
}

}  // namespace vs::fake
