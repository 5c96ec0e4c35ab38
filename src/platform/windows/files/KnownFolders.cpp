#include "platform/windows/files/KnownFolders.h"

#include <shlobj.h>

#include "core/Paths.h"
#include "formats/io/windows/WideNames.h"
#include "platform/windows/Win32.h"

namespace vs {
namespace {

// The known folder, created when missing; empty when Windows has none for the user.
std::string KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::string folder;
  if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &path))) folder = Utf8Name(path);
  CoTaskMemFree(path);
  return folder;
}

// Whether the user may create files in `directory`: attributes do not tell (a
// read-only folder still takes new files, an access list may refuse them), so
// a file is really made and removed.
bool CanCreateFilesIn(const std::string& directory) {
  wchar_t probe[MAX_PATH + 1] = {};
  if (GetTempFileNameW(WideName(directory).c_str(), L"vs", 0, probe) == 0) return false;
  DeleteFileW(probe);
  return true;
}

}  // namespace

std::wstring ProgramFilePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::string ProgramDirectory() { return ParentDirectory(Utf8Name(ProgramFilePath())); }

std::string SettingsDirectory() {
  const std::string roaming = KnownFolder(FOLDERID_RoamingAppData);
  return roaming.empty() ? ProgramDirectory() : roaming;
}

std::string LogDirectory(const std::string& programDirectory) {
  if (CanCreateFilesIn(programDirectory)) return programDirectory;
  const std::string local = KnownFolder(FOLDERID_LocalAppData);
  return local.empty() ? programDirectory : local;
}

}  // namespace vs
