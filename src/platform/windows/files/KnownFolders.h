#pragma once

#include <string>

namespace vs {

// The running program file's full path, in the form the system started it by.
std::wstring ProgramFilePath();
// The folder of the running program file, without a trailing separator.
std::string ProgramDirectory();

// Where a bare settings file name lives: the user's roaming application data
// folder (%APPDATA%), since the Windows directory is not the user's to write.
// The program's folder when Windows knows no such folder for the user.
std::string SettingsDirectory();

// Where the log goes: beside the program when the user may create files there
// (a saver run from where it was unpacked), else the user's local application
// data folder (%LOCALAPPDATA%), created when missing: a saver installed in the
// system folder or under Program Files may not write beside itself.
std::string LogDirectory(const std::string& programDirectory);

}  // namespace vs
