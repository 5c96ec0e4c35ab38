#pragma once

#include <memory>
#include <string>

#include "platform/Platform.h"
#include "platform/ini/IniProfile.h"
#include "platform/windows/app/Win32Application.h"
#include "platform/windows/files/WindowsFileSystem.h"

namespace vs {

// The Windows platform: Win32 windows and controls, our INI profile in the
// user's application data folder, Win32 files and the SDL2_mixer player.
class WindowsPlatform : public Platform {
 public:
  WindowsPlatform(std::string commandLine, std::string programDirectory);

  Win32Application& App() override { return app_; }
  Profile& Profiles() override { return profile_; }
  FileSystem& Files() override { return files_; }
  std::unique_ptr<SaverWindow> CreateSaverWindow(SaverEvents& events) override;
  std::unique_ptr<ConfigurationView> CreateConfigurationView(ConfigurationEvents& events) override;
  std::unique_ptr<AboutView> CreateAboutView(AboutEvents& events) override;
  std::unique_ptr<MoreInfoView> CreateMoreInfoView(MoreInfoEvents& events) override;

 private:
  IniProfile profile_;
  WindowsFileSystem files_;
  Win32Application app_;
};

}  // namespace vs
