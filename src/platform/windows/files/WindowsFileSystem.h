#pragma once

#include "platform/FileSystem.h"

namespace vs {

// Text-file output, listing and deletion on the Win32 file API, with UTF-8
// names made wide at the API.
class WindowsFileSystem : public FileSystem {
 public:
  void AppendText(const std::string& path, const std::string& bytes) override;
  bool IsOrdinaryFile(const std::string& path) override;
  void DeleteFile(const std::string& path) override;
};

}  // namespace vs
