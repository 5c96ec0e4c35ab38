#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace vs::testing {

// A fresh directory under the system's temporary directory, removed at the end.
class TempDirectory {
 public:
  TempDirectory() {
    std::string name = (std::filesystem::temp_directory_path() / "vs_config_XXXXXX").string();
    path_ = mkdtemp(name.data());
  }
  ~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  std::string Path() const { return path_.string(); }
  void AddFile(const std::string& relative) const { std::ofstream(path_ / relative) << "x"; }
  void AddDirectory(const std::string& relative) const {
    std::filesystem::create_directories(path_ / relative);
  }

 private:
  std::filesystem::path path_;
};

}  // namespace vs::testing
