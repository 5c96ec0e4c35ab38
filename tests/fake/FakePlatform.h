#pragma once

#include <functional>
#include <map>
#include <memory>

#include "FakeApplication.h"
#include "FakeClock.h"
#include "FakeFileSystem.h"
#include "FakeProfile.h"
#include "FakeSaverWindow.h"
#include "platform/Platform.h"

namespace vs::fake {

// The platform as tests see it: everything in memory, time simulated.
class FakePlatform : public Platform {
 public:
  Application& App() override { return app; }
  Profile& Profiles() override { return profile; }
  FileSystem& Files() override { return files; }
  std::unique_ptr<SaverWindow> CreateSaverWindow(SaverEvents& events) override;
  std::unique_ptr<ConfigurationView> CreateConfigurationView(ConfigurationEvents& events) override;
  std::unique_ptr<AboutView> CreateAboutView(AboutEvents& events) override;
  std::unique_ptr<MoreInfoView> CreateMoreInfoView(MoreInfoEvents& events) override;

  FakeClock clock;
  FakeApplication app;
  FakeFileSystem files;
  FakeProfile profile;
  Size screen{1024, 768};
  std::map<std::string, Size> pictures;        // readable picture files
  std::map<std::string, std::int64_t> sounds;  // playable files and their length in ms
  FakeSaverWindow* saverWindow = nullptr;      // the last one created

  std::function<std::unique_ptr<ConfigurationView>(ConfigurationEvents&)> makeConfigurationView;
  std::function<std::unique_ptr<AboutView>(AboutEvents&)> makeAboutView;
  std::function<std::unique_ptr<MoreInfoView>(MoreInfoEvents&)> makeMoreInfoView;
};

}  // namespace vs::fake
