#include "platform/windows/dialogs/Folders.h"

#include <shlwapi.h>

#include <algorithm>

#include "core/Paths.h"
#include "formats/io/windows/WideNames.h"
#include "platform/windows/Win32.h"
#include "platform/windows/dialogs/QuietDriveErrors.h"

namespace vs::dialogs {
namespace {

constexpr DWORD kUnlisted = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// Case decides only between names that are otherwise equal.
bool LessIgnoringCase(const std::wstring& a, const std::wstring& b) {
  const int order = CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                         static_cast<int>(b.size()), TRUE);
  return order != CSTR_EQUAL ? order == CSTR_LESS_THAN : a < b;
}

template <typename Keep>
std::optional<std::vector<std::string>> ListEntries(const std::string& path, bool directories,
                                                    Keep keep) {
  const QuietDriveErrors quiet;
  WIN32_FIND_DATAW entry;
  const HANDLE find =
      FindFirstFileExW(WideName(JoinPath(path, "*")).c_str(), FindExInfoBasic, &entry,
                       FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) {
    // An empty root has not even "." and "..".
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::vector<std::string>{};
    return std::nullopt;
  }
  std::vector<std::wstring> names;
  do {
    const std::wstring name = entry.cFileName;
    const DWORD attributes = entry.dwFileAttributes;
    const bool directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (name == L"." || name == L".." || (attributes & kUnlisted) != 0) continue;
    if (directory != directories || (attributes & FILE_ATTRIBUTE_DEVICE) != 0) continue;
    if (keep(name)) names.push_back(name);
  } while (FindNextFileW(find, &entry));
  FindClose(find);
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  std::vector<std::string> sorted;
  sorted.reserve(names.size());
  for (const std::wstring& name : names) sorted.push_back(Utf8Name(name));
  return sorted;
}

bool IsReadableDirectory(const std::wstring& path) {
  const QuietDriveErrors quiet;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return false;
  }
  std::wstring pattern = path;
  if (pattern.back() != L'\\') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW entry;
  const HANDLE find =
      FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
  if (find == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
  FindClose(find);
  return true;
}

bool Matches(const std::wstring& name, const std::wstring& pattern) {
  return pattern.find_first_not_of(L" \t") == std::wstring::npos ||
         PathMatchSpecExW(name.c_str(), pattern.c_str(), PMSF_MULTIPLE) == S_OK;
}

std::size_t RootLength(const std::wstring& path) {
  const wchar_t* rest = PathSkipRootW(path.c_str());
  return rest != nullptr ? static_cast<std::size_t>(rest - path.c_str()) : 0;
}

std::wstring Absolute(const std::string& path) {
  const std::wstring wide = WideName(path.empty() ? "." : path);
  std::wstring full(GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr) + 1, L'\0');
  full.resize(
      GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
  if (full.empty()) full = wide;
  const std::size_t root = RootLength(full);
  while (full.size() > std::max<std::size_t>(root, 1) && full.back() == L'\\') full.pop_back();
  return full;
}

}  // namespace

std::optional<std::vector<std::string>> ListSubdirectories(const std::string& path) {
  return ListEntries(path, true, [](const std::wstring&) { return true; });
}

std::optional<std::vector<std::string>> ListFiles(const std::string& path,
                                                  const std::string& pattern) {
  const std::wstring wide = WideName(pattern);
  return ListEntries(path, false, [&](const std::wstring& name) { return Matches(name, wide); });
}

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  return Matches(WideName(name), WideName(pattern));
}

std::string NearestReadableDirectory(const std::string& path) {
  std::wstring candidate = Absolute(path);
  for (;;) {
    const std::size_t root = RootLength(candidate);
    if (candidate.size() <= root || IsReadableDirectory(candidate)) break;
    const std::size_t slash = candidate.find_last_of(L'\\');
    candidate.resize(slash == std::wstring::npos || slash < root ? root : std::max(slash, root));
  }
  return Utf8Name(candidate);
}

std::vector<std::string> PathChain(const std::string& path) {
  const std::wstring wide = WideName(path);
  const std::size_t root = RootLength(wide);
  std::vector<std::string> chain{Utf8Name(wide.substr(0, root))};
  for (std::size_t slash = wide.find(L'\\', root);; slash = wide.find(L'\\', slash + 1)) {
    const std::wstring prefix = wide.substr(0, slash);
    if (prefix.size() > root) chain.push_back(Utf8Name(prefix));
    if (slash == std::wstring::npos) break;
  }
  return chain;
}

}  // namespace vs::dialogs
