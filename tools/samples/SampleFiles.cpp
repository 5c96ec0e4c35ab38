#include "samples/SampleFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "core/Utf8Path.h"

namespace vs::samples {

TempDir::TempDir() {
  static std::mt19937_64 random{std::random_device{}()};
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
    const std::filesystem::path candidate = base / ("vs-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) path_ = Utf8OfPath(candidate);
  }
  if (path_.empty()) throw std::runtime_error("cannot make a temporary directory");
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(PathOfUtf8(path_), ignored);
}

std::string TempDir::Write(const std::string& name, const Bytes& bytes) const {
  const std::string path = *this / name;
  std::ofstream out(PathOfUtf8(path), std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
  return path;
}

void TempDir::AddDirectory(const std::string& relative) const {
  std::filesystem::create_directories(PathOfUtf8(*this / relative));
}

std::vector<std::string> TempDir::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(PathOfUtf8(path_))) {
    names.push_back(Utf8OfPath(entry.path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadFile(const std::string& path) {
  // One read into a buffer of the file's size: the benchmarks' plain read.
  std::ifstream in(PathOfUtf8(path), std::ios::binary | std::ios::ate);
  const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : 0;
  std::string content(static_cast<std::size_t>(std::max<std::streamoff>(size, 0)), '\0');
  in.seekg(0);
  in.read(content.data(), static_cast<std::streamsize>(content.size()));
  content.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  return content;
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(PathOfUtf8(path), std::ios::binary | std::ios::trunc) << text;
}

}  // namespace vs::samples
