#include "platform/windows/files/KnownFolders.h"

#include "core/Paths.h"
#include "formats/io/windows/WideNames.h"
#include "platform/windows/Win32.h"

namespace vs {

std::string ProgramDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return ParentDirectory(Utf8Name(path));
}

// Placeholders until the known folders are read.
std::string SettingsDirectory() { return ProgramDirectory(); }
std::string LogDirectory(const std::string& programDirectory) { return programDirectory; }

}  // namespace vs
