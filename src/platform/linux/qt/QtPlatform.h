#pragma once

#include <memory>
#include <string>

#include "platform/Platform.h"
#include "platform/ini/IniProfile.h"
#include "platform/linux/posix/PosixFileSystem.h"
#include "platform/linux/qt/HostArguments.h"
#include "platform/linux/qt/QtApplication.h"

namespace vs {

// The Linux platform: Qt 6 Widgets windows, our INI profile, POSIX files and
// the SDL2_mixer media player. The saver form draws where `target` says; in a
// Wayland session (`wayland`) it covers the compositor's outputs.
class QtPlatform : public Platform {
 public:
  QtPlatform(std::string commandLine, std::string programDirectory, SaverTarget target,
             bool wayland = false);

  Application& App() override { return app_; }
  Profile& Profiles() override { return profile_; }
  FileSystem& Files() override { return files_; }
  std::unique_ptr<SaverWindow> CreateSaverWindow(SaverEvents& events) override;
  std::unique_ptr<ConfigurationView> CreateConfigurationView(ConfigurationEvents& events) override;
  std::unique_ptr<AboutView> CreateAboutView(AboutEvents& events) override;
  std::unique_ptr<MoreInfoView> CreateMoreInfoView(MoreInfoEvents& events) override;

 private:
  IniProfile profile_;
  PosixFileSystem files_;
  QtApplication app_;
  SaverTarget target_;
  bool wayland_;
};

}  // namespace vs
