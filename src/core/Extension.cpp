#include "core/Extension.h"

namespace vs {

std::string LastThreeUpper(const std::string& path) {
  std::string last = path.size() > 3 ? path.substr(path.size() - 3) : path;
  for (char& c : last) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return last;
}

bool IsImageEntry(const std::string& path) {
  const std::string ext = LastThreeUpper(path);
  return ext == "BMP" || ext == "JPG" || ext == "GIF";
}

bool IsAudioEntry(const std::string& path) {
  const std::string ext = LastThreeUpper(path);
  return ext == "MP3" || ext == "M3U" || ext == "WAV" || ext == "MID";
}

}  // namespace vs
