#include "core/Extension.h"

#include "core/Text.h"

namespace vs {

std::string LastThreeUpper(const std::string& path) {
  return ToUpperAscii(path.size() > 3 ? std::string_view(path).substr(path.size() - 3) : path);
}

bool IsImageEntry(const std::string& path) {
  const std::string ext = LastThreeUpper(path);
  return ext == "BMP" || ext == "JPG" || ext == "GIF";
}

bool IsAudioEntry(const std::string& path) {
  const std::string ext = LastThreeUpper(path);
  return ext == "MP3" || ext == "M3U" || ext == "WAV" || ext == "MID";
}

bool IsPlaylistPath(std::string_view path) {
  const auto endsWith = [path](std::string_view suffix) {
    return path.size() >= suffix.size() &&
           EqualsIgnoringAsciiCase(path.substr(path.size() - suffix.size()), suffix);
  };
  return endsWith("m3u") || endsWith("m3u8");
}

}  // namespace vs
