#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace vs::fake {

// Files held in memory by path.
class FakeFileSystem : public FileSystem {
 public:
  void AppendText(const std::string& path, const std::string& bytes) override;
  bool IsOrdinaryFile(const std::string& path) override { return files.count(path) > 0; }
  void DeleteFile(const std::string& path) override;

  // The file's lines without their CR LF; a last line without one ends in
  // "<no CRLF>".
  std::vector<std::string> Lines(const std::string& path) const;

  std::map<std::string, std::string> files;
  std::set<std::string> readOnly;     // neither appended to nor deleted
  std::set<std::string> undeletable;  // in a folder that cannot be written
};

}  // namespace vs::fake
