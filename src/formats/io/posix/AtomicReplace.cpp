#include "formats/io/AtomicReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <random>

#include "core/Paths.h"

namespace vs {
namespace {

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

// Like mkstemp, but the new file gets the ordinary creation mode (0666 less
// the umask) rather than 0600.
int CreateUniqueFile(const std::string& pattern, std::string& created) {
  static std::mt19937_64 random{std::random_device{}()};
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  for (int attempt = 0; attempt < 100; ++attempt) {
    created = pattern;
    for (int i = 0; i < 8; ++i) created.push_back(kLetters[random() % (sizeof kLetters - 1)]);
    const int fd = open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void SyncDirectory(const std::string& directory) {
  const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

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

  const std::string name = FileNameOf(target);
  std::string temporary;
  const int fd = CreateUniqueFile(directory + "/." + name + ".", temporary);
  if (fd < 0) return false;

  bool ok = WriteAll(fd, content);
  struct stat old {};
  if (ok && stat(target.c_str(), &old) == 0) {
    if (old.st_uid != geteuid() || old.st_gid != getegid()) {
      // Only root may give a file away; anyone else's rewrite becomes theirs.
      ok = fchown(fd, old.st_uid, old.st_gid) == 0 || errno == EPERM;
    }
    ok = ok && fchmod(fd, old.st_mode & 07777) == 0;
  }
  ok = ok && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    const int cause = errno;
    unlink(temporary.c_str());
    errno = cause;
    return false;
  }
  SyncDirectory(directory);
  return true;
}

}  // namespace vs
