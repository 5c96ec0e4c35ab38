#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vs::browse {

// A file system the user browses, by mount point.
struct Drive {
  std::string mountPoint;
  std::string label;  // empty when the volume has none

  // "/media/usb [HOLIDAY]", or the mount point alone.
  std::string DisplayName() const;
  bool operator==(const Drive& other) const {
    return mountPoint == other.mountPoint && label == other.label;
  }
};

// The drives in a /proc/self/mountinfo text: "/" and the real file systems
// mounted under /home, /media, /mnt and /run/media, "/" first, then by mount
// point. `labelsByDevice` maps a device path ("/dev/sdb1") to its label.
std::vector<Drive> ParseDrives(std::string_view mountinfo,
                               const std::map<std::string, std::string>& labelsByDevice);

// The drives of this system now; never empty ("/" at least).
std::vector<Drive> ListDrives();

}  // namespace vs::browse
