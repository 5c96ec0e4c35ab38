#pragma once

#include <string>

namespace vs {

// The last three characters of a path or name (the whole text when shorter),
// upper-cased. No dot is required and the disk is not touched.
std::string LastThreeUpper(const std::string& path);

// "BMP", "JPG" or "GIF".
bool IsImageEntry(const std::string& path);
// "MP3", "M3U", "WAV" or "MID".
bool IsAudioEntry(const std::string& path);

}  // namespace vs
