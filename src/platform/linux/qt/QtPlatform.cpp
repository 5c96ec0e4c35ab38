#include "platform/linux/qt/QtPlatform.h"

#include <QCoreApplication>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/AboutView.h"
#include "platform/ConfigurationView.h"
#include "platform/MoreInfoView.h"
#include "platform/events/Dispatch.h"
#include "platform/linux/posix/XdgDirectory.h"
#include "platform/linux/qt/QtSaverWindow.h"
#include "platform/linux/qt/about/QtAboutViews.h"
#include "platform/linux/qt/config/QtConfigurationView.h"
#include "platform/linux/wayland/WaylandSaverWindow.h"
#include "platform/sdl/SdlMediaPlayer.h"

namespace vs {
namespace {

// Safe from SDL's audio thread: the task runs in the application's event loop.
void PostToUiThread(std::function<void()> task) {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [task = std::move(task)] { Dispatch("frmScreenSaver.MediaPlayer1_EndOfStream", task); },
      Qt::QueuedConnection);
}

}  // namespace

QtPlatform::QtPlatform(std::string commandLine, std::string programDirectory, SaverTarget target,
                       bool wayland)
    : profile_(SettingsDirectory()),
      app_(std::move(commandLine), std::move(programDirectory)),
      target_(target),
      wayland_(wayland) {}

std::unique_ptr<SaverWindow> QtPlatform::CreateSaverWindow(SaverEvents& events) {
  const auto player = [this] { return std::make_unique<SdlMediaPlayer>(&PostToUiThread, app_); };
  if (wayland_ && target_.kind == SaverTarget::Kind::OwnWindow) {
    if (auto window = CreateWaylandSaverWindow(events, app_, player)) return window;
  }
  std::optional<std::uint32_t> host;
  if (target_.kind == SaverTarget::Kind::Window) host = target_.window;
  if (target_.kind == SaverTarget::Kind::Root) host = HostWindow::Root();
  return std::make_unique<QtSaverWindow>(events, app_, player(), host);
}

std::unique_ptr<ConfigurationView> QtPlatform::CreateConfigurationView(
    ConfigurationEvents& events) {
  return CreateQtConfigurationView(events);
}

std::unique_ptr<AboutView> QtPlatform::CreateAboutView(AboutEvents& events) {
  return CreateQtAboutView(events);
}

std::unique_ptr<MoreInfoView> QtPlatform::CreateMoreInfoView(MoreInfoEvents& events) {
  return CreateQtMoreInfoView(events);
}

}  // namespace vs
