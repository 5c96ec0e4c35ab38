#include "formats/io/AtomicReplace.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <random>

#include "core/Paths.h"
#include "formats/io/windows/WideNames.h"

namespace vs {
namespace {

bool FailWith(DWORD error) {
  errno = ErrnoOfWindowsError(error);
  return false;
}

bool WriteAll(HANDLE file, std::string_view content) {
  while (!content.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1u << 30));
    DWORD wrote = 0;
    if (!WriteFile(file, content.data(), chunk, &wrote, nullptr)) return false;
    content.remove_prefix(wrote);
  }
  return true;
}

// A new file named `prefix` and eight random letters, which no one else has.
HANDLE CreateUniqueFile(const std::string& prefix, std::wstring& created) {
  static std::mt19937_64 random{std::random_device{}()};
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = prefix;
    for (int i = 0; i < 8; ++i) name.push_back(kLetters[random() % (sizeof kLetters - 1)]);
    created = WideName(name);
    const HANDLE file = CreateFileW(created.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

// Another program may hold the file a moment: an antivirus or the search
// indexer opening the fresh file, a backup reading it.
bool IsMomentary(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
         error == ERROR_LOCK_VIOLATION || error == ERROR_UNABLE_TO_REMOVE_REPLACED ||
         error == ERROR_UNABLE_TO_MOVE_REPLACEMENT;
}

// Puts `temporary` in the place of `path`; ERROR_SUCCESS or why not.
DWORD MoveIntoPlace(const std::wstring& temporary, const std::wstring& path) {
  // An existing file keeps its attributes and security descriptor.
  if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    if (ReplaceFileW(path.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
      return ERROR_SUCCESS;
    }
    // Otherwise the old file is out of the way and the move below can follow.
    if (GetLastError() != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) return GetLastError();
  }
  if (MoveFileExW(temporary.c_str(), path.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return ERROR_SUCCESS;
  }
  return GetLastError();
}

// For about a second while the failure is a momentary one.
DWORD MoveIntoPlaceRetrying(const std::wstring& temporary, const std::wstring& path) {
  constexpr int kAttempts = 20;
  constexpr DWORD kPauseMs = 50;
  DWORD error = MoveIntoPlace(temporary, path);
  for (int attempt = 1; attempt < kAttempts && IsMomentary(error); ++attempt) {
    Sleep(kPauseMs);
    error = MoveIntoPlace(temporary, path);
  }
  return error;
}

}  // namespace

bool CreateDirectories(const std::string& directory) {
  const std::wstring wide = WideName(directory);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return true;
    errno = ENOTDIR;
    return false;
  }
  const DWORD missing = GetLastError();
  if (missing != ERROR_FILE_NOT_FOUND && missing != ERROR_PATH_NOT_FOUND) return FailWith(missing);
  const std::string parent = ParentDirectory(directory);
  if (parent != directory && !CreateDirectories(parent)) return false;
  if (CreateDirectoryW(wide.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) {
    return true;
  }
  return FailWith(GetLastError());
}

bool ReplaceFileAtomically(const std::string& path, std::string_view content) {
  const std::string directory = ParentDirectory(path);
  if (!CreateDirectories(directory)) return false;
  // Not a file: no replace would put one there, however often tried.
  const DWORD existing = GetFileAttributesW(WideName(path).c_str());
  if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_DIRECTORY)) {
    errno = EISDIR;
    return false;
  }

  std::wstring temporary;
  const HANDLE file =
      CreateUniqueFile(JoinPath(directory, "." + FileNameOf(path) + "."), temporary);
  if (file == INVALID_HANDLE_VALUE) return FailWith(GetLastError());

  bool ok = WriteAll(file, content) && FlushFileBuffers(file);
  DWORD error = ok ? ERROR_SUCCESS : GetLastError();
  CloseHandle(file);
  if (ok) {
    error = MoveIntoPlaceRetrying(temporary, WideName(path));
    ok = error == ERROR_SUCCESS;
  }
  if (!ok) {
    DeleteFileW(temporary.c_str());
    return FailWith(error);
  }
  return true;
}

}  // namespace vs
