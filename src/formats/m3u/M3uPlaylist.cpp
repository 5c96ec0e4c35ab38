#include "formats/m3u/M3uPlaylist.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>

#include "core/Extension.h"
#include "core/Text.h"
#include "core/Utf8Path.h"
#include "formats/io/LegacyText.h"

namespace vs {
namespace {

namespace fs = std::filesystem;

// "http://", "file:///", ...: a scheme is a letter followed by letters, digits, '+', '-', '.'.
bool IsUrl(std::string_view entry) {
  const std::size_t colon = entry.find("://");
  if (colon == std::string_view::npos || colon == 0) return false;
  if (!std::isalpha(static_cast<unsigned char>(entry[0]))) return false;
  return std::all_of(entry.begin(), entry.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
  });
}

std::string ReadHead(const fs::path& path, std::size_t limit) {
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path, error);
  if (error) return {};
  std::string text(static_cast<std::size_t>(std::min<std::uintmax_t>(size, limit)), '\0');
  std::ifstream in(path, std::ios::binary);
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

bool IsFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

// The file an entry names, if it exists. Lists written on Windows separate folders with
// backslashes; try them as slashes when the entry as written names nothing.
std::optional<fs::path> Resolve(const fs::path& folder, const std::string& entry) {
  fs::path path = folder / PathOfUtf8(entry);
  if (IsFile(path)) return path;
  if (entry.find('\\') == std::string::npos) return std::nullopt;
  std::string slashed = entry;
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  path = folder / PathOfUtf8(slashed);
  return IsFile(path) ? std::optional(path) : std::nullopt;
}

class Expander {
 public:
  std::vector<std::string> Run(const fs::path& top) {
    Expand(top, 0);
    return std::move(files_);
  }

 private:
  void Expand(const fs::path& list, int depth) {
    std::error_code error;
    const fs::path identity = fs::canonical(list, error);
    // Once per expansion: lists naming each other would otherwise be read again at every
    // mention, exponentially in the nesting depth.
    if (error || !expanded_.insert(identity).second) return;
    const std::string text = ReadHead(list, kMaxPlaylistBytes - bytesRead_);
    bytesRead_ += text.size();
    const fs::path folder = list.parent_path();
    for (const std::string& line : ParseM3u(text)) {
      if (entriesSeen_ == kMaxPlaylistEntries) return;
      ++entriesSeen_;
      const std::string entry = Utf8OfLegacyText(line);
      if (IsUrl(entry)) continue;
      const std::optional<fs::path> path = Resolve(folder, entry);
      if (!path) continue;
      if (!IsPlaylistPath(entry)) {
        files_.push_back(Utf8OfPath(*path));
      } else if (depth < kMaxPlaylistNesting) {
        Expand(*path, depth + 1);
      }
    }
  }

  std::set<fs::path> expanded_;
  std::size_t bytesRead_ = 0;
  std::size_t entriesSeen_ = 0;
  std::vector<std::string> files_;
};

}  // namespace

std::vector<std::string> ParseM3u(std::string_view text) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
  std::vector<std::string> entries;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::string_view line = TrimBlanks(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.front() != '#') entries.emplace_back(line);
  }
  return entries;
}

std::vector<std::string> ExpandPlaylist(const std::string& listPath) {
  return Expander().Run(PathOfUtf8(listPath));
}

}  // namespace vs
