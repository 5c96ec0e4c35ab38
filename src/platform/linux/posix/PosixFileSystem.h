#pragma once

#include "platform/FileSystem.h"

namespace vs {

class PosixFileSystem : public FileSystem {
 public:
  void AppendText(const std::string& path, const std::string& bytes) override;
  bool IsOrdinaryFile(const std::string& path) override;
  void DeleteFile(const std::string& path) override;
};

}  // namespace vs
