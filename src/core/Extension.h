#pragma once

#include <string>
#include <string_view>

namespace vs {

// The last three characters of a path or name (the whole text when shorter),
// upper-cased. No dot is required and the disk is not touched.
std::string LastThreeUpper(const std::string& path);

// "BMP", "JPG" or "GIF".
bool IsImageEntry(const std::string& path);
// "MP3", "M3U", "WAV" or "MID".
bool IsAudioEntry(const std::string& path);

// A file the player expands as an M3U play list: ".m3u" or ".m3u8" in any
// case. Wider than the audio-entry test, since lists name UTF-8 lists too.
bool IsPlaylistPath(std::string_view path);

}  // namespace vs
