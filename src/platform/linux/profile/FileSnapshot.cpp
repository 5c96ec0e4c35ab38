#include "platform/linux/profile/FileSnapshot.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vs {
namespace {

bool IsAbsentError(int error) { return error == ENOENT || error == ENOTDIR; }

FileStamp StampFrom(const struct stat& info) {
  FileStamp stamp;
  stamp.state = FileStamp::State::kPresent;
  stamp.device = info.st_dev;
  stamp.inode = info.st_ino;
  stamp.size = info.st_size;
  stamp.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 +
                     static_cast<std::int64_t>(info.st_mtim.tv_nsec);
  return stamp;
}

}  // namespace

bool FileStamp::operator==(const FileStamp& other) const {
  // An unknown stamp never matches, so whatever holds it is read again.
  if (state == State::kUnknown || other.state == State::kUnknown) return false;
  if (state != other.state) return false;
  if (state == State::kAbsent) return true;
  return device == other.device && inode == other.inode && size == other.size &&
         modifiedNs == other.modifiedNs;
}

FileStamp StampOf(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) == 0) return StampFrom(info);
  FileStamp stamp;
  if (IsAbsentError(errno)) stamp.state = FileStamp::State::kAbsent;
  return stamp;
}

FileSnapshot ReadSnapshot(const std::string& path) {
  FileSnapshot snapshot;
  // O_NONBLOCK: a FIFO in the file's place must not hang the reader.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (IsAbsentError(errno)) {
      snapshot.stamp.state = FileStamp::State::kAbsent;
    } else {
      snapshot.state = FileSnapshot::State::kUnreadable;
    }
    return snapshot;
  }
  struct stat info {};
  snapshot.state = FileSnapshot::State::kUnreadable;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    snapshot.stamp = StampFrom(info);
    snapshot.content.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
      const ssize_t got = read(fd, buffer, sizeof buffer);
      if (got > 0) {
        snapshot.content.append(buffer, static_cast<std::size_t>(got));
      } else if (got == 0) {
        snapshot.state = FileSnapshot::State::kRead;
        break;
      } else if (errno != EINTR) {
        break;
      }
    }
  }
  close(fd);
  if (snapshot.state == FileSnapshot::State::kUnreadable) snapshot.content.clear();
  return snapshot;
}

}  // namespace vs
