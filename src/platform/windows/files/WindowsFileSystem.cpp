#include "platform/windows/files/WindowsFileSystem.h"

#include <algorithm>
#include <cstring>

#include "core/RuntimeFailure.h"
#include "formats/io/windows/WideNames.h"
#include "platform/windows/Win32.h"

namespace vs {
namespace {

[[noreturn]] void Fail(const char* what, const std::string& path, DWORD error) {
  throw RuntimeFailure(std::string(what) + " " + path + ": " +
                       std::strerror(ErrnoOfWindowsError(error)));
}

constexpr DWORD kNotOrdinary =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

}  // namespace

void WindowsFileSystem::AppendText(const std::string& path, const std::string& bytes) {
  // Shared for every access, so that a reader or a deleter of the log never
  // makes a line get lost for long.
  const HANDLE file = CreateFileW(WideName(path).c_str(), FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) Fail("Cannot open", path, GetLastError());
  std::size_t written = 0;
  while (written < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 30));
    DWORD wrote = 0;
    if (!WriteFile(file, bytes.data() + written, chunk, &wrote, nullptr) || wrote == 0) {
      const DWORD error = GetLastError();
      CloseHandle(file);
      Fail("Cannot write", path, error);
    }
    written += wrote;
  }
  if (!CloseHandle(file)) Fail("Cannot close", path, GetLastError());
}

bool WindowsFileSystem::IsOrdinaryFile(const std::string& path) {
  // A listing would take wildcards as patterns; no file name holds them.
  if (path.find_first_of("*?") != std::string::npos) return false;
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileExW(WideName(path).c_str(), FindExInfoBasic, &found,
                                         FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return (found.dwFileAttributes & kNotOrdinary) == 0;
}

void WindowsFileSystem::DeleteFile(const std::string& path) {
  if (!DeleteFileW(WideName(path).c_str())) Fail("Cannot delete", path, GetLastError());
}

}  // namespace vs
