#include "platform/windows/dialogs/DriveDirectories.h"

#include <cctype>

namespace vs::dialogs {
namespace {

bool SameLetter(char a, char b) {
  return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
}

}  // namespace

DriveDirectories::DriveDirectories(std::vector<Drive> drives, const std::string& processDirectory)
    : drives_(std::move(drives)) {
  for (const Drive& drive : drives_) current_.push_back(drive.root);
  Remember(processDirectory);
}

std::optional<std::size_t> DriveDirectories::DriveOf(const std::string& path) const {
  if (path.size() < 2 || path[1] != ':') return std::nullopt;
  for (std::size_t i = 0; i < drives_.size(); ++i) {
    if (!drives_[i].root.empty() && SameLetter(drives_[i].root[0], path[0])) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> DriveDirectories::RootOf(const std::string& path) const {
  const bool root = path.size() == 2 || (path.size() == 3 && (path[2] == '\\' || path[2] == '/'));
  return root ? DriveOf(path) : std::nullopt;
}

void DriveDirectories::Remember(const std::string& path) {
  if (const auto drive = DriveOf(path)) current_[*drive] = path;
}

}  // namespace vs::dialogs
