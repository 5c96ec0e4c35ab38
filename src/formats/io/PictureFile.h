#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace vs {

// A picture file opened for reading. Regular files only, so a FIFO or a
// device can never block the saver.
class PictureFile {
 public:
  // Throws RuntimeFailure when the file is missing or cannot be opened.
  explicit PictureFile(const std::string& path);
  ~PictureFile();
  PictureFile(const PictureFile&) = delete;
  PictureFile& operator=(const PictureFile&) = delete;

  const std::string& Path() const { return path_; }
  std::uint64_t Size() const { return size_; }
  // Reads up to `count` bytes at `offset`; returns how many were read.
  std::size_t ReadSomeAt(std::uint64_t offset, void* buffer, std::size_t count) const;
  // Reads exactly `count` bytes at `offset`; throws "is truncated" otherwise.
  void ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const;
  // A buffered stream, at the start of the file, for sequential readers.
  std::FILE* Stream() const { return stream_; }

 private:
  std::string path_;
  std::FILE* stream_ = nullptr;
  std::uint64_t size_ = 0;
};

}  // namespace vs
