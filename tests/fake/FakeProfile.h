#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Profile.h"

namespace vs::fake {

// An in-memory profile: one map per file name, keys compared as written
// (the callers always use upper-case keys), plus the record of every write.
class FakeProfile : public Profile {
 public:
  struct Write {
    std::string section, key, value;
    bool operator==(const Write& other) const {
      return section == other.section && key == other.key && value == other.value;
    }
  };

  std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue, std::size_t bufferSize,
                                      const std::string& fileName) override;
  void WritePrivateProfileString(const std::string& section, const std::string& key,
                                 const std::string& value, const std::string& fileName) override;
  std::optional<std::string> Commit() override {
    ++commits;
    return commitFailure;
  }

  // Sets a value without recording a write: the file as the user left it.
  void Set(const std::string& key, const std::string& value,
           const std::string& fileName = "VostramelSaver.ini",
           const std::string& section = "VOSTRAMELSAVER");
  // The value, or "<absent>".
  std::string Get(const std::string& key, const std::string& fileName = "VostramelSaver.ini",
                  const std::string& section = "VOSTRAMELSAVER") const;

  // file -> "SECTION/KEY" -> value
  std::map<std::string, std::map<std::string, std::string>> files;
  std::vector<Write> writes;
  int commits = 0;
  // What every commit reports; nothing means it succeeds.
  std::optional<std::string> commitFailure;
};

}  // namespace vs::fake
