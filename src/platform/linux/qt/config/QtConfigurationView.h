#pragma once

#include <memory>

#include "platform/ConfigurationView.h"

namespace vs {

// The configuration dialog on Qt Widgets, created hidden.
std::unique_ptr<ConfigurationView> CreateQtConfigurationView(ConfigurationEvents& events);

}  // namespace vs
