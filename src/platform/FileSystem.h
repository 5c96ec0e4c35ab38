#pragma once

#include <string>

namespace vs {

// Text-file output, directory listing and file deletion.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Opens `path` for appending (creating it), writes `bytes`, closes it.
  // Throws RuntimeFailure when any step fails.
  virtual void AppendText(const std::string& path, const std::string& bytes) = 0;
  // True when a listing of ordinary files (no hidden, system or directory
  // entries) finds `path`.
  virtual bool IsOrdinaryFile(const std::string& path) = 0;
  // Throws RuntimeFailure when the file cannot be deleted.
  virtual void DeleteFile(const std::string& path) = 0;
};

}  // namespace vs
