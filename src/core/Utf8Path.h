#pragma once

#include <filesystem>
#include <string>

namespace vs {

// Names are UTF-8 inside the program, but std::filesystem reads and writes a plain string in the
// ANSI code page on Windows, which cannot hold every name: cross over through these.
inline std::filesystem::path PathOfUtf8(const std::string& utf8) {
  return std::filesystem::u8path(utf8);
}
inline std::string Utf8OfPath(const std::filesystem::path& path) { return path.u8string(); }

}  // namespace vs
