#include "core/Paths.h"

namespace vs {

std::string JoinPath(const std::string& directory, const std::string& name) {
  if (!directory.empty() && directory.back() == kPathSeparator) return directory + name;
  return directory + kPathSeparator + name;
}

std::string ParentDirectory(const std::string& path) {
  const std::size_t separator = path.rfind(kPathSeparator);
  if (separator == std::string::npos) return ".";
  if (separator == 0) return std::string(1, kPathSeparator);
  return path.substr(0, separator);
}

std::string FileNameOf(const std::string& path) {
  const std::size_t separator = path.rfind(kPathSeparator);
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace vs
