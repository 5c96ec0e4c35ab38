#pragma once

#include <string>
#include <unordered_map>

#include "platform/Profile.h"
#include "platform/linux/profile/FileSnapshot.h"
#include "formats/ini/IniDocument.h"

namespace vs {

// The profile interface on INI files. A bare file name lives in the user's
// configuration folder. Each file is parsed once and kept while its stamp on
// disk is unchanged; writes stay in memory until Commit().
class IniProfile : public Profile {
 public:
  IniProfile();
  explicit IniProfile(std::string configDirectory);

  // $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config.
  static std::string DefaultConfigDirectory();

  std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue, std::size_t bufferSize,
                                      const std::string& fileName) override;
  void WritePrivateProfileString(const std::string& section, const std::string& key,
                                 const std::string& value, const std::string& fileName) override;
  void Commit() override;

  // Where `fileName` lives: itself when it holds a '/', else in the folder.
  std::string Resolve(const std::string& fileName) const;

 private:
  struct CachedFile {
    IniDocument document;
    FileStamp stamp;
    // A file that is there but cannot be read is never overwritten.
    bool readable = true;
    bool pending = false;
  };

  CachedFile& Load(const std::string& path);

  std::string configDirectory_;
  std::unordered_map<std::string, CachedFile> files_;
};

}  // namespace vs
