#include "platform/ini/IniProfile.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "core/Paths.h"
#include "formats/io/AtomicReplace.h"
#include "formats/io/LegacyText.h"

namespace vs {
namespace {

// Room for both lists at their longest with paths of over 200 bytes; a larger
// file reads as unreadable. Parsing can take 60 times the file size (a file of
// blank lines), so the bound stays far below memory sizes.
constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;

std::string CutToBuffer(std::string_view text, std::size_t bufferSize) {
  // The buffer keeps one place for the terminating zero.
  if (bufferSize == 0) return {};
  return std::string(text.substr(0, bufferSize - 1));
}

// As Windows' profile reads it: one pair of matching quotes around a value
// is not part of it, so a hand-edited path in quotes still names the file.
std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

IniProfile::IniProfile(std::string configDirectory)
    : configDirectory_(std::move(configDirectory)) {}

std::string IniProfile::Resolve(const std::string& fileName) const {
  if (FileNameOf(fileName) != fileName) return fileName;
  return JoinPath(configDirectory_, fileName);
}

IniProfile::CachedFile& IniProfile::Load(const std::string& path) {
  CachedFile& file = files_[path];
  if (file.pending) return file;
  if (file.problem.empty() && file.stamp.SettledAt(file.seenNs) && file.stamp == StampOf(path)) {
    return file;
  }
  FileSnapshot snapshot = ReadSnapshot(path, kMaxFileBytes);
  // Within the unsettled time the content must be looked at; parsing it again
  // is needed only when it changed.
  if (snapshot.content != file.content) {
    file.document = IniDocument::Parse(snapshot.content);
    file.content = std::move(snapshot.content);
  }
  file.stamp = snapshot.stamp;
  file.seenNs = snapshot.takenNs;
  file.problem = std::move(snapshot.problem);
  return file;
}

std::string IniProfile::GetPrivateProfileString(const std::string& section, const std::string& key,
                                                const std::string& defaultValue,
                                                std::size_t bufferSize,
                                                const std::string& fileName) {
  const std::optional<std::string_view> value = Load(Resolve(fileName)).document.Find(section, key);
  // A value that an older program wrote in the ANSI code page is read in it.
  return CutToBuffer(value ? Utf8OfLegacyText(Unquoted(*value)) : defaultValue, bufferSize);
}

void IniProfile::WritePrivateProfileString(const std::string& section, const std::string& key,
                                           const std::string& value, const std::string& fileName) {
  CachedFile& file = Load(Resolve(fileName));
  if (file.document.Set(section, key, value)) file.pending = true;
}

std::optional<std::string> IniProfile::Commit() {
  std::optional<std::string> failure;
  for (auto it = files_.begin(); it != files_.end();) {
    CachedFile& file = it->second;
    if (!file.pending) {
      ++it;
      continue;
    }
    std::string problem = file.problem;
    if (problem.empty()) {
      std::string content = file.document.Serialize();
      const std::int64_t before = WallClockNs();
      if (ReplaceFileAtomically(it->first, content)) {
        file.content = std::move(content);
        file.stamp = StampOf(it->first);
        file.seenNs = before;
        file.pending = false;
        ++it;
        continue;
      }
      problem = std::strerror(errno);
    }
    if (!failure) failure = "The settings could not be saved to " + it->first + ": " + problem;
    // Forget the writes that did not reach the disk: the next read sees the file as it is.
    it = files_.erase(it);
  }
  return failure;
}

}  // namespace vs
