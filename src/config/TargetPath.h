#pragma once

#include <string>

namespace vs {

// A file's full path from its directory and name, with one separator between
// them also when the directory is a root that already ends with one.
std::string TargetPath(const std::string& directory, const std::string& name);

}  // namespace vs
