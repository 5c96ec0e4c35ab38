#include "platform/linux/browse/Directories.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <memory>

#include "core/Paths.h"
#include "platform/linux/browse/Pattern.h"

namespace vs::browse {
namespace {

enum class Kind { kDirectory, kFile, kOther };

Kind KindOf(const std::string& directory, const dirent& entry) {
  switch (entry.d_type) {
    case DT_DIR:
      return Kind::kDirectory;
    case DT_REG:
      return Kind::kFile;
    case DT_LNK:
    case DT_UNKNOWN: {
      // Links count as what they point to.
      struct stat info {};
      if (stat(JoinPath(directory, entry.d_name).c_str(), &info) != 0) return Kind::kOther;
      if (S_ISDIR(info.st_mode)) return Kind::kDirectory;
      return S_ISREG(info.st_mode) ? Kind::kFile : Kind::kOther;
    }
    default:
      return Kind::kOther;
  }
}

// Case decides only between names that are otherwise equal.
bool LessIgnoringCase(const std::string& a, const std::string& b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int x = std::tolower(static_cast<unsigned char>(a[i]));
    const int y = std::tolower(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y;
  }
  return a.size() != b.size() ? a.size() < b.size() : a < b;
}

template <typename Keep>
std::optional<std::vector<std::string>> ListEntries(const std::string& path, Kind wanted,
                                                    Keep keep) {
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(path.c_str()), closedir);
  if (!dir) return std::nullopt;
  std::vector<std::string> names;
  while (const dirent* entry = readdir(dir.get())) {
    if (entry->d_name[0] == '.') continue;
    if (KindOf(path, *entry) == wanted && keep(entry->d_name)) names.emplace_back(entry->d_name);
  }
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

bool IsReadableDirectory(const std::string& path) {
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(path.c_str()), closedir);
  return dir != nullptr;
}

}  // namespace

std::optional<std::vector<std::string>> ListSubdirectories(const std::string& path) {
  return ListEntries(path, Kind::kDirectory, [](const char*) { return true; });
}

std::optional<std::vector<std::string>> ListFiles(const std::string& path,
                                                  const std::string& pattern) {
  return ListEntries(path, Kind::kFile,
                     [&](const char* name) { return MatchesPattern(name, pattern); });
}

std::string NearestReadableDirectory(const std::string& path) {
  std::string candidate = path;
  while (candidate.size() > 1 && candidate.back() == '/') candidate.pop_back();
  if (candidate.empty() || candidate.front() != '/') candidate = "/" + candidate;
  while (candidate != "/" && !IsReadableDirectory(candidate))
    candidate = ParentDirectory(candidate);
  return candidate;
}

std::vector<std::string> PathChain(const std::string& path) {
  std::vector<std::string> chain{"/"};
  for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string prefix = path.substr(0, slash);
    if (prefix.size() > 1 && prefix != chain.back()) chain.push_back(prefix);
    if (slash == std::string::npos) break;
  }
  return chain;
}

}  // namespace vs::browse
