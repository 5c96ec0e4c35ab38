#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vs {

// Enough of a file's identity to tell that it changed on disk: a replace by
// rename changes the inode, an edit in place the size or the times.
struct FileStamp {
  enum class State { kAbsent, kPresent, kUnknown };
  State state = State::kUnknown;
  std::uint64_t device = 0;  // on Windows the volume serial number
  std::uint64_t inode = 0;   // on Windows the file index
  std::uint64_t size = 0;
  std::int64_t modifiedNs = 0;
  std::int64_t changedNs = 0;

  bool operator==(const FileStamp& other) const;
  bool operator!=(const FileStamp& other) const { return !(*this == other); }

  // Whether every change after `seenNs` (wall clock) is sure to give a new
  // stamp. Not while the last change is within two seconds of `seenNs`: a
  // file system's clock may tick that coarsely, so a same-size rewrite can
  // keep every time.
  bool SettledAt(std::int64_t seenNs) const;
};

FileStamp StampOf(const std::string& path);

// The clock that file times follow, in nanoseconds.
std::int64_t WallClockNs();

// A file's content together with the stamp it had when read. `kUnreadable`
// covers anything that is there but is no readable regular file of at most
// the size limit; `problem` then says why.
struct FileSnapshot {
  enum class State { kAbsent, kRead, kUnreadable };
  State state = State::kAbsent;
  FileStamp stamp;
  std::int64_t takenNs = 0;  // the wall clock just before the read
  std::string content;
  std::string problem;
};

FileSnapshot ReadSnapshot(const std::string& path, std::size_t maxBytes);

}  // namespace vs
