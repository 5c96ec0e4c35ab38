#pragma once

#include <memory>

#include "platform/Application.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "platform/SaverWindow.h"

namespace vs {

class ConfigurationEvents;
class ConfigurationView;
class AboutEvents;
class AboutView;
class MoreInfoEvents;
class MoreInfoView;

// Everything the forms and modules reach of the operating system and toolkit.
class Platform {
 public:
  virtual ~Platform() = default;

  virtual Application& App() = 0;
  virtual Profile& Profiles() = 0;
  virtual FileSystem& Files() = 0;

  // Creates the saver form's window, hidden, raising its events on `events`.
  virtual std::unique_ptr<SaverWindow> CreateSaverWindow(SaverEvents& events) = 0;
  // The dialogs' windows, created hidden; each is shown modally by its form.
  virtual std::unique_ptr<ConfigurationView> CreateConfigurationView(
      ConfigurationEvents& events) = 0;
  virtual std::unique_ptr<AboutView> CreateAboutView(AboutEvents& events) = 0;
  virtual std::unique_ptr<MoreInfoView> CreateMoreInfoView(MoreInfoEvents& events) = 0;
};

}  // namespace vs
