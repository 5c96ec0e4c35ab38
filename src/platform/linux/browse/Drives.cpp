#include "platform/linux/browse/Drives.h"

#include <dirent.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "core/Paths.h"

namespace vs::browse {
namespace {

// Kernel and memory file systems: nothing a user keeps pictures on.
const std::set<std::string_view> kPseudoTypes = {
    "autofs",     "binfmt_misc", "bpf",      "cgroup",   "cgroup2",  "configfs",
    "debugfs",    "devpts",      "devtmpfs", "efivarfs", "fusectl",  "hugetlbfs",
    "mqueue",     "nsfs",        "proc",     "pstore",   "ramfs",    "rpc_pipefs",
    "securityfs", "sysfs",       "tmpfs",    "tracefs",  "squashfs", "fuse.gvfsd-fuse",
    "fuse.portal"};

constexpr std::string_view kBrowsedRoots[] = {"/home", "/media", "/mnt", "/run/media"};

bool IsUnder(std::string_view path, std::string_view root) {
  return path == root || (path.size() > root.size() && path.compare(0, root.size(), root) == 0 &&
                          path[root.size()] == '/');
}

// mountinfo writes blanks, tabs, newlines and backslashes as octal escapes.
std::string UnescapeOctal(std::string_view field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const std::string_view digits = field.substr(i + 1, 3);
      if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; })) {
        out += static_cast<char>(std::stoi(std::string(digits), nullptr, 8));
        i += 3;
        continue;
      }
    }
    out += field[i];
  }
  return out;
}

// udev writes unsafe characters of a label as "\xHH".
std::string UnescapeHex(std::string_view name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (i + 3 < name.size() && name.substr(i, 2) == "\\x" &&
        std::isxdigit(static_cast<unsigned char>(name[i + 2])) &&
        std::isxdigit(static_cast<unsigned char>(name[i + 3]))) {
      out += static_cast<char>(std::stoi(std::string(name.substr(i + 2, 2)), nullptr, 16));
      i += 3;
      continue;
    }
    out += name[i];
  }
  return out;
}

std::vector<std::string_view> SplitBlanks(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (start < line.size()) {
    const std::size_t end = std::min(line.find(' ', start), line.size());
    if (end > start) fields.push_back(line.substr(start, end - start));
    start = end + 1;
  }
  return fields;
}

std::map<std::string, std::string> ReadLabels() {
  std::map<std::string, std::string> labels;
  const std::string directory = "/dev/disk/by-label";
  DIR* dir = opendir(directory.c_str());
  if (dir == nullptr) return labels;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    char device[PATH_MAX];
    if (realpath(JoinPath(directory, name).c_str(), device) != nullptr) {
      labels[device] = UnescapeHex(name);
    }
  }
  closedir(dir);
  return labels;
}

}  // namespace

std::string Drive::DisplayName() const {
  return label.empty() ? mountPoint : mountPoint + " [" + label + "]";
}

std::vector<Drive> ParseDrives(std::string_view mountinfo,
                               const std::map<std::string, std::string>& labelsByDevice) {
  // A later mount on the same point hides the earlier one.
  std::map<std::string, Drive> byMountPoint;
  std::istringstream lines{std::string(mountinfo)};
  for (std::string line; std::getline(lines, line);) {
    const std::vector<std::string_view> fields = SplitBlanks(line);
    const auto separator = std::find(fields.begin(), fields.end(), "-");
    if (fields.size() < 5 || separator == fields.end() || fields.end() - separator < 3) continue;
    const std::string mountPoint = UnescapeOctal(fields[4]);
    const std::string_view type = separator[1];
    const std::string source = UnescapeOctal(separator[2]);
    const bool browsed =
        mountPoint == "/" ||
        (kPseudoTypes.count(type) == 0 &&
         std::any_of(std::begin(kBrowsedRoots), std::end(kBrowsedRoots),
                     [&](std::string_view root) { return IsUnder(mountPoint, root); }));
    if (!browsed) {
      byMountPoint.erase(mountPoint);
      continue;
    }
    const auto label = labelsByDevice.find(source);
    byMountPoint[mountPoint] =
        Drive{mountPoint, label == labelsByDevice.end() ? std::string() : label->second};
  }
  byMountPoint.try_emplace("/", Drive{"/", ""});
  std::vector<Drive> drives;
  for (auto& [mountPoint, drive] : byMountPoint) drives.push_back(std::move(drive));
  return drives;  // "/" sorts first
}

std::vector<Drive> ListDrives() {
  std::ifstream file("/proc/self/mountinfo");
  std::stringstream text;
  text << file.rdbuf();
  return ParseDrives(text.str(), ReadLabels());
}

}  // namespace vs::browse
