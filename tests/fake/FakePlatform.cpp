#include "FakePlatform.h"

#include <stdexcept>

// Complete types for the unique_ptr returns.
#include "platform/AboutView.h"
#include "platform/ConfigurationView.h"
#include "platform/MoreInfoView.h"

namespace vs::fake {
namespace {

template <typename View, typename Events>
std::unique_ptr<View> Make(const std::function<std::unique_ptr<View>(Events&)>& factory,
                           Events& events) {
  if (!factory) throw std::logic_error("the test set no factory for this view");
  return factory(events);
}

}  // namespace

std::unique_ptr<SaverWindow> FakePlatform::CreateSaverWindow(SaverEvents& events) {
  auto window = std::make_unique<FakeSaverWindow>(clock, screen, pictures, sounds);
  window->timer1.onTick = [&events] { events.Timer1_Timer(); };
  window->timer2.onTick = [&events] { events.Timer2_Timer(); };
  saverWindow = window.get();
  return window;
}

std::unique_ptr<ConfigurationView> FakePlatform::CreateConfigurationView(
    ConfigurationEvents& events) {
  return Make(makeConfigurationView, events);
}

std::unique_ptr<AboutView> FakePlatform::CreateAboutView(AboutEvents& events) {
  return Make(makeAboutView, events);
}

std::unique_ptr<MoreInfoView> FakePlatform::CreateMoreInfoView(MoreInfoEvents& events) {
  return Make(makeMoreInfoView, events);
}

}  // namespace vs::fake
