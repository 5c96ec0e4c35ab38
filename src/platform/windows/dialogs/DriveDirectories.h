#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/windows/dialogs/Volumes.h"

namespace vs::dialogs {

// Each drive's current directory: where the user last was on it. The drive
// holding the process's directory starts there, the others at their root.
class DriveDirectories {
 public:
  DriveDirectories(std::vector<Drive> drives, const std::string& processDirectory);

  const std::vector<Drive>& Drives() const { return drives_; }
  // The drive of `path`'s letter; none for a network path ("\\server\share").
  std::optional<std::size_t> DriveOf(const std::string& path) const;
  // The drive whose root `path` names ("C:", "c:\"), if it names one.
  std::optional<std::size_t> RootOf(const std::string& path) const;
  const std::string& CurrentDirectory(std::size_t drive) const { return current_[drive]; }
  // Makes `path` the current directory of the drive that holds it.
  void Remember(const std::string& path);

 private:
  std::vector<Drive> drives_;
  std::vector<std::string> current_;
};

}  // namespace vs::dialogs
