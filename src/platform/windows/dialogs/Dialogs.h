#pragma once

#include <memory>

#include "platform/AboutView.h"
#include "platform/ConfigurationView.h"
#include "platform/MoreInfoView.h"

namespace vs {

// The dialogs' windows built from Windows' own controls, created hidden.
std::unique_ptr<ConfigurationView> CreateWin32ConfigurationView(ConfigurationEvents& events);
std::unique_ptr<AboutView> CreateWin32AboutView(AboutEvents& events);
std::unique_ptr<MoreInfoView> CreateWin32MoreInfoView(MoreInfoEvents& events);

}  // namespace vs
