#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vs::dialogs {

// Names of the subdirectories of `path`, sorted by name ignoring case; hidden
// and system folders left out, as Windows' own lists do; nothing when the
// directory cannot be read.
std::optional<std::vector<std::string>> ListSubdirectories(const std::string& path);

// Names of the plain files of `path` that match `pattern`, likewise.
std::optional<std::vector<std::string>> ListFiles(const std::string& path,
                                                  const std::string& pattern);

// Whether a file's name matches a file-list pattern: wildcards ignoring case,
// several patterns separated by ";"; a blank pattern matches every name. The
// long name only: no match through an 8.3 name ("*.jpe" and "x.jpeg").
bool MatchesPattern(const std::string& name, const std::string& pattern);

// `path` made absolute, without a trailing "\" (except a root's), or its
// nearest ancestor that can be read when it cannot; its root at worst.
std::string NearestReadableDirectory(const std::string& path);

// The directories from the root down to `path`: "C:\a\b" -> "C:\", "C:\a", "C:\a\b".
std::vector<std::string> PathChain(const std::string& path);

}  // namespace vs::dialogs
