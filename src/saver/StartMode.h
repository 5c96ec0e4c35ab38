#pragma once

#include <string>

namespace vs {

enum class StartMode { kSaver, kConfiguration, kOther };

// What a run with these arguments does: an "s" anywhere in them, in either
// case, starts the saver; otherwise a "c" opens the configuration dialog.
StartMode ModeOf(const std::string& arguments);

}  // namespace vs
