#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/linux/browse/Drives.h"

namespace vs::browse {

// Each drive's current directory: where the user last was on it. The drive
// holding the process's directory starts there, the others at their root.
class DriveMemory {
 public:
  DriveMemory(std::vector<Drive> drives, const std::string& processDirectory);

  const std::vector<Drive>& Drives() const { return drives_; }
  // The drive whose mount point holds `path` most closely.
  std::size_t DriveOf(const std::string& path) const;
  const std::string& CurrentDirectory(std::size_t drive) const { return current_[drive]; }
  // Makes `path` the current directory of the drive that holds it.
  void Remember(const std::string& path);

 private:
  std::vector<Drive> drives_;
  std::vector<std::string> current_;
};

}  // namespace vs::browse
