#pragma once

#include <string>

namespace vs {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// A file's full path from its directory and name, with one separator between
// them also when the directory is a root that already ends with one.
std::string JoinPath(const std::string& directory, const std::string& name);

// The folder that holds `path`: "." for a bare name, the root for a file in it.
std::string ParentDirectory(const std::string& path);

// The last component of `path`.
std::string FileNameOf(const std::string& path);

}  // namespace vs
