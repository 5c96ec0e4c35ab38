#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace vs {

// The profile (INI file) interface. A bare file name resolves to one fixed
// per-user location, the same for reads and writes.
class Profile {
 public:
  virtual ~Profile() = default;

  // The key's value, or `defaultValue` when the key or the file is absent,
  // cut to bufferSize - 1 bytes. Reports no failure: an unreadable file reads
  // as absent keys.
  virtual std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                              const std::string& defaultValue,
                                              std::size_t bufferSize,
                                              const std::string& fileName) = 0;
  // Creates file, section and key as needed and replaces the key's value. The
  // write may stay in memory until Commit(). Reports no failure.
  virtual void WritePrivateProfileString(const std::string& section, const std::string& key,
                                         const std::string& value, const std::string& fileName) = 0;
  // Puts every pending write on disk in one crash-safe replace per file.
  // Returns nothing when all of them got there; otherwise drops the writes that
  // did not and returns a description of what could not be saved.
  virtual std::optional<std::string> Commit() = 0;
};

}  // namespace vs
