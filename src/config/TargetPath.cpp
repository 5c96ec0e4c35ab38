#include "config/TargetPath.h"

#include "core/Paths.h"

namespace vs {

std::string TargetPath(const std::string& directory, const std::string& name) {
  if (!directory.empty() && directory.back() == kPathSeparator) return directory + name;
  return directory + kPathSeparator + name;
}

}  // namespace vs
