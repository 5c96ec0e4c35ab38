#pragma once

#include <string>

namespace vs {

// The folder of the running program file, without a trailing separator.
std::string ProgramDirectory();

// Where a bare settings file name lives: the user's roaming application data
// folder (%APPDATA%), since the Windows directory is not the user's to write.
std::string SettingsDirectory();

// Where the log goes: beside the program when the user may write there, else
// the user's local application data folder (%LOCALAPPDATA%).
std::string LogDirectory(const std::string& programDirectory);

}  // namespace vs
