#include "platform/linux/browse/DriveMemory.h"

namespace vs::browse {
namespace {

bool Holds(const std::string& mountPoint, const std::string& path) {
  if (mountPoint == "/") return !path.empty() && path.front() == '/';
  return path.compare(0, mountPoint.size(), mountPoint) == 0 &&
         (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

}  // namespace

DriveMemory::DriveMemory(std::vector<Drive> drives, const std::string& processDirectory)
    : drives_(std::move(drives)) {
  if (drives_.empty()) drives_.push_back(Drive{"/", ""});
  for (const Drive& drive : drives_) current_.push_back(drive.mountPoint);
  Remember(processDirectory);
}

std::size_t DriveMemory::DriveOf(const std::string& path) const {
  std::size_t best = 0;
  std::size_t bestLength = 0;
  for (std::size_t i = 0; i < drives_.size(); ++i) {
    const std::string& mountPoint = drives_[i].mountPoint;
    if (Holds(mountPoint, path) && mountPoint.size() >= bestLength) {
      best = i;
      bestLength = mountPoint.size();
    }
  }
  return best;
}

void DriveMemory::Remember(const std::string& path) {
  if (!path.empty() && path.front() == '/') current_[DriveOf(path)] = path;
}

}  // namespace vs::browse
