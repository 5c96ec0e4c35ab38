#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vs {

// Nested lists deeper than this below the top list are passed over.
inline constexpr int kMaxPlaylistNesting = 4;
// Bound the work of one expansion, nested lists included, whatever the lists hold: entry lines
// looked at and bytes read.
inline constexpr std::size_t kMaxPlaylistEntries = 10000;
inline constexpr std::size_t kMaxPlaylistBytes = 8u << 20;

// The entry lines of an M3U text as written: comments ("#..."), blank lines, a UTF-8 byte-order
// mark and CR/LF line ends removed, surrounding blanks trimmed.
std::vector<std::string> ParseM3u(std::string_view text);

// The playable files a list names, in order: entries (in UTF-8, or on Windows in the system's
// ANSI code page as older players wrote them) resolved against the list's folder, nested
// lists expanded in place where first named (a list named again, or naming itself, is passed
// over), URLs and missing files passed over. Empty when the list cannot be read or names nothing.
std::vector<std::string> ExpandPlaylist(const std::string& listPath);

}  // namespace vs
