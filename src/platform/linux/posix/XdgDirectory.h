#pragma once

#include <string>

namespace vs {

// An XDG base directory: the value of `variable` (XDG_CONFIG_HOME,
// XDG_STATE_HOME) when it is absolute, since the XDG rules ignore relative
// ones; else `fallback` (".config", ".local/state") under the home folder.
std::string XdgDirectory(const char* variable, const char* fallback);

// Where a bare settings file name lives: $XDG_CONFIG_HOME, else ~/.config.
std::string SettingsDirectory();

}  // namespace vs
