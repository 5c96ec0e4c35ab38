#include "formats/io/AtomicReplace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

#include "core/Paths.h"

namespace vs {
namespace {

constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomLetters = 8;

// The file a symbolic link points at; the path itself otherwise, or when the
// link dangles.
std::string FollowLinks(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  std::unique_ptr<char, decltype(&free)> resolved(realpath(path.c_str(), nullptr), &free);
  return resolved ? std::string(resolved.get()) : path;
}

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t wrote = write(fd, content.data(), content.size());
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(wrote));
  }
  return true;
}

// Cleanup that does not disturb errno, which tells the caller why a save failed.
void Close(int fd) {
  const int cause = errno;
  close(fd);
  errno = cause;
}

void Remove(int folder, const std::string& name) {
  const int cause = errno;
  unlinkat(folder, name.c_str(), 0);
  errno = cause;
}

// `prefix` and the random letters of a temporary file, whether a live save's
// or one a crash left behind.
bool IsTemporaryName(std::string_view name, std::string_view prefix) {
  if (name.size() != prefix.size() + kRandomLetters || name.substr(0, prefix.size()) != prefix) {
    return false;
  }
  return name.find_first_not_of(kLetters, prefix.size()) == std::string_view::npos;
}

// Like mkstemp, but with the given creation mode (less the umask) rather than
// 0600.
int CreateUniqueFile(int folder, const std::string& prefix, mode_t mode, std::string& created) {
  static std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    created = prefix;
    for (std::size_t i = 0; i < kRandomLetters; ++i) {
      created.push_back(kLetters[random() % (sizeof kLetters - 1)]);
    }
    const int fd = openat(folder, created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// A save holds its temporary file locked until the rename, so that others can
// tell it from a crash's leftover. The folder's shared lock keeps a sweep
// from finding the file between its creation and its lock.
int CreateLockedFile(int folder, const std::string& prefix, mode_t mode, std::string& created) {
  const bool guarded = flock(folder, LOCK_SH) == 0;
  const int fd = CreateUniqueFile(folder, prefix, mode, created);
  // Where files cannot be locked, no sweep can take this one either.
  if (fd >= 0) flock(fd, LOCK_EX | LOCK_NB);
  if (guarded) flock(folder, LOCK_UN);
  return fd;
}

// Removes the temporary files of saves that a crash or a kill cut short.
// Without the folder's exclusive lock (a save is creating its file, or the
// file system has no such locks) nothing is removed this time.
void RemoveLeftovers(int folder, std::string_view prefix) {
  if (flock(folder, LOCK_EX | LOCK_NB) != 0) return;
  std::vector<std::string> candidates;
  if (DIR* entries = fdopendir(openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC))) {
    while (const dirent* entry = readdir(entries)) {
      if (IsTemporaryName(entry->d_name, prefix)) candidates.emplace_back(entry->d_name);
    }
    closedir(entries);
  }
  for (const std::string& name : candidates) {
    const int fd = openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat info {};
    // A save still running holds its file locked.
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0) {
      unlinkat(folder, name.c_str(), 0);
    }
    close(fd);
  }
  flock(folder, LOCK_UN);
}

// Gives the new file the old one's owner and permission bits before any of
// the content reaches it.
bool TakeOverAccess(int fd, const struct stat& old) {
  if (old.st_uid != geteuid() || old.st_gid != getegid()) {
    // Only root may give a file away; anyone else's rewrite becomes theirs.
    if (fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM) return false;
  }
  return fchmod(fd, old.st_mode & 07777) == 0;
}

// Makes the rename itself durable. A file system that cannot flush folders at
// all says EINVAL: nothing more can be done there.
bool SyncFolder(int folder) { return fsync(folder) == 0 || errno == EINVAL; }

}  // namespace

bool CreateDirectories(const std::string& directory) {
  struct stat info {};
  if (stat(directory.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return true;
    errno = ENOTDIR;
    return false;
  }
  if (errno != ENOENT) return false;
  const std::string parent = ParentDirectory(directory);
  if (parent != directory && !CreateDirectories(parent)) return false;
  return mkdir(directory.c_str(), 0700) == 0 || errno == EEXIST;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view content) {
  const std::string target = FollowLinks(path);
  const std::string directory = ParentDirectory(target);
  if (!CreateDirectories(directory)) return false;
  const int folder = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return false;

  const std::string name = FileNameOf(target);
  const std::string prefix = "." + name + ".";
  RemoveLeftovers(folder, prefix);

  struct stat old {};
  const bool replacing = stat(target.c_str(), &old) == 0;
  // Readable by no one else until it has the old file's permissions.
  std::string temporary;
  const int fd = CreateLockedFile(folder, prefix, replacing ? 0600 : 0666, temporary);
  if (fd < 0) {
    Close(folder);
    return false;
  }

  bool ok = !replacing || TakeOverAccess(fd, old);
  ok = ok && WriteAll(fd, content) && fsync(fd) == 0;
  // Renamed while still locked, so no sweep takes the finished file.
  ok = ok && renameat(folder, temporary.c_str(), folder, name.c_str()) == 0;
  if (!ok) Remove(folder, temporary);
  Close(fd);
  ok = ok && SyncFolder(folder);
  Close(folder);
  return ok;
}

}  // namespace vs
