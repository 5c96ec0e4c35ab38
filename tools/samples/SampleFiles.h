#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vs::samples {

using Bytes = std::vector<std::uint8_t>;

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // The path of `name` inside the directory.
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  // Writes `bytes` to the file `name` in the directory; returns its path.
  std::string Write(const std::string& name, const Bytes& bytes) const;
  // Makes `relative` and any missing parents.
  void AddDirectory(const std::string& relative) const;
  // The names in the directory, sorted, without "." and "..".
  std::vector<std::string> Names() const;

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);
// Replaces the file's content with `text`, byte for byte.
void WriteText(const std::string& path, const std::string& text);

}  // namespace vs::samples
