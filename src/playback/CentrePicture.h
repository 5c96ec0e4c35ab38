#pragma once

#include <string>

#include "platform/Application.h"
#include "platform/SaverWindow.h"

namespace vs {

// Loads `path` into Picture1 at its natural size, cuts the box to the screen,
// centres it and makes it visible. `refresh` redraws the box first (the
// splash display). Throws RuntimeFailure when the picture cannot be loaded.
void CentrePicture(SaverWindow& window, Application& app, const std::string& path, bool refresh);

}  // namespace vs
