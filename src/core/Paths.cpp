#include "core/Paths.h"

#include <cstring>

namespace vs {
namespace {

// Windows takes "/" as well as "\", and a drive's root is "C:\".
#ifdef _WIN32
constexpr const char* kSeparators = "\\/";
constexpr bool kDriveLetters = true;
#else
constexpr const char* kSeparators = "/";
constexpr bool kDriveLetters = false;
#endif

bool IsSeparator(char c) { return c != '\0' && std::strchr(kSeparators, c) != nullptr; }

}  // namespace

std::string JoinPath(const std::string& directory, const std::string& name) {
  if (!directory.empty() && IsSeparator(directory.back())) return directory + name;
  return directory + kPathSeparator + name;
}

std::string ParentDirectory(const std::string& path) {
  const std::size_t separator = path.find_last_of(kSeparators);
  if (separator == std::string::npos) return ".";
  // A file in a root keeps the root's separator.
  if (separator == 0 || (kDriveLetters && separator == 2 && path[1] == ':')) {
    return path.substr(0, separator + 1);
  }
  return path.substr(0, separator);
}

std::string FileNameOf(const std::string& path) {
  const std::size_t separator = path.find_last_of(kSeparators);
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace vs
