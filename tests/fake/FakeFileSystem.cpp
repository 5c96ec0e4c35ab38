#include "FakeFileSystem.h"

#include "core/RuntimeFailure.h"

namespace vs::fake {

void FakeFileSystem::AppendText(const std::string& path, const std::string& bytes) {
  if (readOnly.count(path)) throw RuntimeFailure("Permission denied: " + path);
  files[path] += bytes;
}

void FakeFileSystem::DeleteFile(const std::string& path) {
  if (readOnly.count(path) || undeletable.count(path))
    throw RuntimeFailure("Permission denied: " + path);
  if (files.erase(path) == 0) throw RuntimeFailure("File not found: " + path);
}

std::vector<std::string> FakeFileSystem::Lines(const std::string& path) const {
  std::vector<std::string> lines;
  const auto file = files.find(path);
  if (file == files.end()) return lines;
  const std::string& text = file->second;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start) + "<no CRLF>");
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace vs::fake
