#include "formats/io/PictureFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/RuntimeFailure.h"

namespace vs {

PictureFile::PictureFile(const std::string& path) : path_(path) {
  // O_NONBLOCK keeps open() from waiting for a writer on a FIFO.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) throw RuntimeFailure("File not found: " + path);
    throw RuntimeFailure("Cannot open file: " + path + " (" + std::strerror(errno) + ")");
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    throw RuntimeFailure("Cannot open file: " + path + " is not a regular file");
  }
  stream_ = ::fdopen(fd, "rb");
  if (stream_ == nullptr) {
    ::close(fd);
    throw RuntimeFailure("Cannot open file: " + path + " (" + std::strerror(errno) + ")");
  }
  size_ = static_cast<std::uint64_t>(info.st_size);
}

PictureFile::~PictureFile() { std::fclose(stream_); }

std::size_t PictureFile::ReadSomeAt(std::uint64_t offset, void* buffer, std::size_t count) const {
  std::size_t done = 0;
  auto* bytes = static_cast<char*>(buffer);
  while (done < count) {
    const ssize_t got =
        ::pread(::fileno(stream_), bytes + done, count - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

}  // namespace vs
