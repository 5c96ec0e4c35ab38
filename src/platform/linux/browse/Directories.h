#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vs::browse {

// Names of the subdirectories of `path`, hidden dot entries left out, sorted
// by name ignoring case; nothing when the directory cannot be read.
std::optional<std::vector<std::string>> ListSubdirectories(const std::string& path);

// Names of the plain files of `path` that match `pattern` (see Pattern.h),
// hidden dot files left out, sorted by name ignoring case; nothing when the
// directory cannot be read.
std::optional<std::vector<std::string>> ListFiles(const std::string& path,
                                                  const std::string& pattern);

// `path` without a trailing "/" (except the root), or its nearest ancestor
// that can be read when it cannot; "/" at worst.
std::string NearestReadableDirectory(const std::string& path);

// The directories from the root down to `path`: "/a/b" -> "/", "/a", "/a/b".
std::vector<std::string> PathChain(const std::string& path);

}  // namespace vs::browse
