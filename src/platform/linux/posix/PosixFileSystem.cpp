#include "platform/linux/posix/PosixFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/RuntimeFailure.h"

namespace vs {
namespace {

[[noreturn]] void Fail(const char* what, const std::string& path) {
  throw RuntimeFailure(std::string(what) + " " + path + ": " + std::strerror(errno));
}

}  // namespace

void PosixFileSystem::AppendText(const std::string& path, const std::string& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) Fail("Cannot open", path);
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int error = errno;
      ::close(fd);
      errno = error;
      Fail("Cannot write", path);
    }
    written += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) Fail("Cannot close", path);
}

bool PosixFileSystem::IsOrdinaryFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void PosixFileSystem::DeleteFile(const std::string& path) {
  if (::unlink(path.c_str()) != 0) Fail("Cannot delete", path);
}

}  // namespace vs
