#pragma once

#include <string>
#include <unordered_map>

#include "formats/ini/IniDocument.h"
#include "formats/io/FileSnapshot.h"
#include "platform/Profile.h"

namespace vs {

// The profile interface on INI files. A bare file name lives in the folder
// given at construction. Each file is parsed once and kept while its stamp on
// disk is unchanged and settled; writes stay in memory until Commit().
class IniProfile : public Profile {
 public:
  explicit IniProfile(std::string configDirectory);

  std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue, std::size_t bufferSize,
                                      const std::string& fileName) override;
  void WritePrivateProfileString(const std::string& section, const std::string& key,
                                 const std::string& value, const std::string& fileName) override;
  std::optional<std::string> Commit() override;

  // Where `fileName` lives: itself when it holds a path separator, else in the folder.
  std::string Resolve(const std::string& fileName) const;

 private:
  struct CachedFile {
    IniDocument document;
    std::string content;  // as read or last committed
    FileStamp stamp;
    std::int64_t seenNs = 0;  // when `content` was last known to be on disk
    // Why the file, there but unreadable, is never overwritten; empty when readable.
    std::string problem;
    bool pending = false;
  };

  CachedFile& Load(const std::string& path);

  std::string configDirectory_;
  std::unordered_map<std::string, CachedFile> files_;
};

}  // namespace vs
