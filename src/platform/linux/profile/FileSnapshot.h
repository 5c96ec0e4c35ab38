#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

namespace vs {

// Enough of a file's identity to tell that it changed on disk: a replace by
// rename changes the inode, an edit in place the size or the time.
struct FileStamp {
  enum class State { kAbsent, kPresent, kUnknown };
  State state = State::kUnknown;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  std::int64_t modifiedNs = 0;

  bool operator==(const FileStamp& other) const;
  bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

FileStamp StampOf(const std::string& path);

// A file's content together with the stamp it had when read. `kUnreadable`
// covers anything that is there but is no readable regular file.
struct FileSnapshot {
  enum class State { kAbsent, kRead, kUnreadable };
  State state = State::kAbsent;
  FileStamp stamp;
  std::string content;
};

FileSnapshot ReadSnapshot(const std::string& path);

}  // namespace vs
