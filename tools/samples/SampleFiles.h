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
  // Writes `bytes` to the file `name` in the directory; returns its path.
  std::string Write(const std::string& name, const Bytes& bytes) const;
  std::string Path(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

}  // namespace vs::samples
