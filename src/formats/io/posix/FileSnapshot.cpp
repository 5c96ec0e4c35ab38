#include "formats/io/FileSnapshot.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

namespace vs {
namespace {

bool IsAbsentError(int error) { return error == ENOENT || error == ENOTDIR; }

std::int64_t Nanoseconds(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 +
         static_cast<std::int64_t>(time.tv_nsec);
}

FileStamp StampFrom(const struct stat& info) {
  FileStamp stamp;
  stamp.state = FileStamp::State::kPresent;
  stamp.device = info.st_dev;
  stamp.inode = info.st_ino;
  stamp.size = info.st_size;
  stamp.modifiedNs = Nanoseconds(info.st_mtim);
  stamp.changedNs = Nanoseconds(info.st_ctim);
  return stamp;
}

// Reads the open regular file into `snapshot`, giving up past `maxBytes`.
void ReadContent(int fd, const struct stat& info, std::size_t maxBytes, FileSnapshot& snapshot) {
  if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
    snapshot.problem = "larger than " + std::to_string(maxBytes) + " bytes";
    return;
  }
  snapshot.content.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got > 0) {
      if (snapshot.content.size() + static_cast<std::size_t>(got) > maxBytes) {
        snapshot.problem = "larger than " + std::to_string(maxBytes) + " bytes";
        return;
      }
      snapshot.content.append(buffer, static_cast<std::size_t>(got));
    } else if (got == 0) {
      snapshot.state = FileSnapshot::State::kRead;
      return;
    } else if (errno != EINTR) {
      snapshot.problem = std::strerror(errno);
      return;
    }
  }
}

}  // namespace

std::int64_t WallClockNs() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return Nanoseconds(now);
}

FileStamp StampOf(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) == 0) return StampFrom(info);
  FileStamp stamp;
  if (IsAbsentError(errno)) stamp.state = FileStamp::State::kAbsent;
  return stamp;
}

FileSnapshot ReadSnapshot(const std::string& path, std::size_t maxBytes) {
  FileSnapshot snapshot;
  snapshot.takenNs = WallClockNs();
  // O_NONBLOCK: a FIFO in the file's place must not hang the reader.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (IsAbsentError(errno)) {
      snapshot.stamp.state = FileStamp::State::kAbsent;
    } else {
      snapshot.state = FileSnapshot::State::kUnreadable;
      snapshot.problem = std::strerror(errno);
    }
    return snapshot;
  }
  struct stat info {};
  snapshot.state = FileSnapshot::State::kUnreadable;
  if (fstat(fd, &info) != 0) {
    snapshot.problem = std::strerror(errno);
  } else if (!S_ISREG(info.st_mode)) {
    snapshot.problem = "not a regular file";
  } else {
    snapshot.stamp = StampFrom(info);
    ReadContent(fd, info, maxBytes, snapshot);
  }
  close(fd);
  if (snapshot.state == FileSnapshot::State::kUnreadable) snapshot.content = std::string();
  return snapshot;
}

}  // namespace vs
