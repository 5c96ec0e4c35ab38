#pragma once

#include <string>

namespace vs::test {

// A fresh directory under the system's temporary folder, removed with everything in it.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // The path of `name` inside the directory.
  std::string operator/(const std::string& name) const;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Writes `text` to `path` as bytes.
void WriteText(const std::string& path, const std::string& text);

}  // namespace vs::test
