#pragma once

#include <string>

namespace vs {

// Where the log goes: beside the program when the user may write there (a
// saver run from its build folder), else $XDG_STATE_HOME (by default
// ~/.local/state), created when missing: an installed saver's folder is not
// the user's to write.
std::string LogDirectory(const std::string& programDirectory);

}  // namespace vs
