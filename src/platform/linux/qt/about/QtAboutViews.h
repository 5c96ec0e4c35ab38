#pragma once

#include <memory>

#include "platform/AboutView.h"
#include "platform/MoreInfoView.h"

namespace vs {

// The About box and the licence window on Qt Widgets.
std::unique_ptr<AboutView> CreateQtAboutView(AboutEvents& events);
std::unique_ptr<MoreInfoView> CreateQtMoreInfoView(MoreInfoEvents& events);

}  // namespace vs

using vs::CreateQtAboutView;
using vs::CreateQtMoreInfoView;
