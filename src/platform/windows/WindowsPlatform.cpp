#include "platform/windows/WindowsPlatform.h"

#include <utility>

#include "platform/events/Dispatch.h"
#include "platform/sdl/SdlMediaPlayer.h"
#include "platform/windows/dialogs/Dialogs.h"
#include "platform/windows/files/KnownFolders.h"
#include "platform/windows/saver/Win32SaverWindow.h"

namespace vs {

WindowsPlatform::WindowsPlatform(std::string commandLine, std::string programDirectory)
    : profile_(SettingsDirectory()),
      app_(std::move(commandLine), programDirectory, LogDirectory(programDirectory)) {}

std::unique_ptr<SaverWindow> WindowsPlatform::CreateSaverWindow(SaverEvents& events) {
  // SDL's audio thread hands the end of a list entry to the message loop.
  auto post = [this](std::function<void()> task) {
    app_.Post(
        [task = std::move(task)] { Dispatch("frmScreenSaver.MediaPlayer1_EndOfStream", task); });
  };
  return CreateWin32SaverWindow(events, app_, std::make_unique<SdlMediaPlayer>(post, app_));
}

std::unique_ptr<ConfigurationView> WindowsPlatform::CreateConfigurationView(
    ConfigurationEvents& events) {
  return CreateWin32ConfigurationView(events, SettingsWindowOf(app_.CommandLine()));
}

std::unique_ptr<AboutView> WindowsPlatform::CreateAboutView(AboutEvents& events) {
  return CreateWin32AboutView(events);
}

std::unique_ptr<MoreInfoView> WindowsPlatform::CreateMoreInfoView(MoreInfoEvents& events) {
  return CreateWin32MoreInfoView(events);
}

}  // namespace vs
