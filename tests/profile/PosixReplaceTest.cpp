#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "formats/io/AtomicReplace.h"
#include "samples/SampleFiles.h"

// The writer's own calls, watched and failed at will: the system's fsync and
// write, with a fault and a look at each file as its first byte goes in.
namespace {

int folderSyncFault = 0;
bool watchingWrites = false;
std::vector<struct stat> firstWrites;

}  // namespace

extern "C" int fsync(int fd) {
  static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
  struct stat info {};
  if (folderSyncFault != 0 && fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    errno = folderSyncFault;
    return -1;
  }
  return real(fd);
}

extern "C" ssize_t write(int fd, const void* data, size_t size) {
  static const auto real =
      reinterpret_cast<ssize_t (*)(int, const void*, size_t)>(dlsym(RTLD_NEXT, "write"));
  struct stat info {};
  if (watchingWrites && fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0) {
    firstWrites.push_back(info);
  }
  return real(fd, data, size);
}

namespace vs {
namespace {

constexpr const char* kFile = "VostramelSaver.ini";
using Names = std::vector<std::string>;

TEST(PosixReplace, TheTemporaryFileIsTheOldFilesBeforeItHoldsAnything) {
  const samples::TempDir dir;
  const std::string path = dir / kFile;
  samples::WriteText(path, "private");
  ASSERT_EQ(chmod(path.c_str(), 0600), 0);
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
  }
  const mode_t mask = umask(022);
  watchingWrites = true;
  const bool replaced = ReplaceFileAtomically(path, "new");
  // A new file gets the ordinary creation mode.
  const bool created = ReplaceFileAtomically(dir / "new.ini", "new");
  watchingWrites = false;
  umask(mask);
  ASSERT_TRUE(replaced && created);
  ASSERT_EQ(firstWrites.size(), 2u);
  EXPECT_EQ(firstWrites[0].st_mode & 07777, 0600u);
  if (root) {
    EXPECT_EQ(firstWrites[0].st_uid, 65534u);
  }
  EXPECT_EQ(firstWrites[1].st_mode & 07777, 0644u);
  firstWrites.clear();
}

TEST(PosixReplace, AFolderThatCannotBeFlushedFailsTheSave) {
  const samples::TempDir dir;
  folderSyncFault = EIO;
  errno = 0;
  const bool saved = ReplaceFileAtomically(dir / kFile, "x");
  const int cause = errno;
  // EINVAL: this file system cannot flush folders at all.
  folderSyncFault = EINVAL;
  const bool savedWithoutFolderFlush = ReplaceFileAtomically(dir / kFile, "y");
  folderSyncFault = 0;
  EXPECT_FALSE(saved);
  EXPECT_EQ(cause, EIO);
  EXPECT_TRUE(savedWithoutFolderFlush);
  EXPECT_EQ(dir.Names(), Names{kFile});
}

TEST(PosixReplace, ASaveRemovesCrashLeftoversButNotAFileInUse) {
  const samples::TempDir dir;
  for (const char* name : {".VostramelSaver.ini.k3x9q0zz", ".VostramelSaver.ini.inuse123",
                           ".VostramelSaver.ini.bak", ".other.ini.k3x9q0zz"}) {
    samples::WriteText(dir / name, "x");
  }
  // Another save, still writing, holds its file locked.
  const int inUse = open((dir / ".VostramelSaver.ini.inuse123").c_str(), O_RDONLY);
  ASSERT_EQ(flock(inUse, LOCK_EX), 0);
  ASSERT_TRUE(ReplaceFileAtomically(dir / kFile, "x"));
  close(inUse);
  EXPECT_EQ(dir.Names(), (Names{".VostramelSaver.ini.bak", ".VostramelSaver.ini.inuse123",
                                ".other.ini.k3x9q0zz", kFile}));
}

// Each save sweeps the folder while the other one may be writing.
TEST(PosixReplace, SavesSideBySideNeverTakeEachOthersFile) {
  const samples::TempDir dir;
  std::vector<pid_t> children;
  for (char fill : {'a', 'b'}) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const std::string content(4096, fill);
      for (int i = 0; i < 300; ++i) {
        if (!ReplaceFileAtomically(dir / kFile, content)) _exit(1);
      }
      _exit(0);
    }
    children.push_back(child);
  }
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(dir.Names(), Names{kFile});
}

}  // namespace
}  // namespace vs
