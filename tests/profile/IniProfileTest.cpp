#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "platform/ini/IniProfile.h"
#include "platform/linux/posix/XdgDirectory.h"
#include "samples/SampleFiles.h"

namespace vs {
namespace {

using samples::ReadFile;
using samples::TempDir;
using samples::WriteText;

constexpr const char* kFile = "VostramelSaver.ini";
constexpr const char* kSection = "VOSTRAMELSAVER";

class IniProfileTest : public testing::Test {
 protected:
  std::string Get(IniProfile& profile, const std::string& key,
                  const std::string& defaultValue = "<default>", std::size_t bufferSize = 4097) {
    return profile.GetPrivateProfileString(kSection, key, defaultValue, bufferSize, kFile);
  }
  void Put(IniProfile& profile, const std::string& key, const std::string& value) {
    profile.WritePrivateProfileString(kSection, key, value, kFile);
  }
  std::string FilePath() const { return dir_ / kFile; }

  TempDir dir_;
  IniProfile profile_{dir_.Path()};
};

// Sets an environment variable for the scope, then restores it.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST_F(IniProfileTest, ReadCutsValueOrDefaultToBuffer) {
  WriteText(FilePath(), "[vostramelsaver]\nTOTAL=1000\nEMPTY=\nPATH=/a/b.jpg\n");
  EXPECT_EQ(Get(profile_, "total", "", 4), "100");
  EXPECT_EQ(Get(profile_, "EMPTY"), "");
  EXPECT_EQ(Get(profile_, "ABSENT", "5000"), "5000");
  EXPECT_EQ(Get(profile_, "ABSENT", "5000", 3), "50");
  EXPECT_EQ(Get(profile_, "PATH", "0", 1), "");
  EXPECT_EQ(Get(profile_, "PATH", "0", 0), "");
  EXPECT_EQ(profile_.GetPrivateProfileString("OTHER", "PATH", "d", 10, kFile), "d");
  EXPECT_EQ(profile_.GetPrivateProfileString(kSection, "PATH", "d", 10, "missing.ini"), "d");
}

TEST_F(IniProfileTest, WritesStayPendingUntilCommit) {
  WriteText(FilePath(), "; mine\r\n[VOSTRAMELSAVER]\r\nTIMER=5000\r\n\r\n[OTHER]\r\nx=1\r\n");
  Put(profile_, "timer", "7000");
  Put(profile_, "TOTAL_IMAGES_DISPLAY", "0");
  EXPECT_EQ(Get(profile_, "TIMER"), "7000");
  EXPECT_EQ(Get(profile_, "TOTAL_IMAGES_DISPLAY"), "0");
  EXPECT_EQ(ReadFile(FilePath()),
            "; mine\r\n[VOSTRAMELSAVER]\r\nTIMER=5000\r\n\r\n[OTHER]\r\nx=1\r\n");

  EXPECT_EQ(profile_.Commit(), std::nullopt);
  EXPECT_EQ(ReadFile(FilePath()),
            "; mine\r\n[VOSTRAMELSAVER]\r\nTIMER=7000\r\nTOTAL_IMAGES_DISPLAY=0\r\n\r\n"
            "[OTHER]\r\nx=1\r\n");
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{kFile});
  IniProfile fresh(dir_.Path());
  EXPECT_EQ(Get(fresh, "TIMER"), "7000");
}

TEST_F(IniProfileTest, CommitCreatesFolderAndFile) {
  IniProfile nested(dir_ / "a/b/c");
  Put(nested, "TOTAL_IMAGES_DISPLAY", "0");
  Put(nested, "TOTAL_AUDIOS_DISPLAY", "0");
  nested.Commit();
  EXPECT_EQ(ReadFile(dir_ / "a/b/c/VostramelSaver.ini"),
            "[VOSTRAMELSAVER]\nTOTAL_IMAGES_DISPLAY=0\nTOTAL_AUDIOS_DISPLAY=0\n");
}

TEST_F(IniProfileTest, BareNameResolvesInUserConfigFolder) {
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", "/xdg/conf");
    EXPECT_EQ(SettingsDirectory(), "/xdg/conf");
    EXPECT_EQ(IniProfile(SettingsDirectory()).Resolve(kFile), "/xdg/conf/VostramelSaver.ini");
  }
  ScopedEnv home("HOME", "/home/someone");
  for (const std::optional<std::string>& xdg :
       {std::optional<std::string>(), std::optional<std::string>(""),
        std::optional<std::string>("relative/conf")}) {
    ScopedEnv scoped("XDG_CONFIG_HOME", xdg);
    EXPECT_EQ(SettingsDirectory(), "/home/someone/.config");
  }
  EXPECT_EQ(profile_.Resolve("/etc/x.ini"), "/etc/x.ini");
  EXPECT_EQ(profile_.Resolve("sub/x.ini"), "sub/x.ini");
}

TEST_F(IniProfileTest, SeesOutsideChangesOfTheFile) {
  WriteText(FilePath(), "[VOSTRAMELSAVER]\nTIMER=1000\n");
  EXPECT_EQ(Get(profile_, "TIMER"), "1000");
  // Same size, rewritten in place: the time stamp tells.
  WriteText(FilePath(), "[VOSTRAMELSAVER]\nTIMER=2000\n");
  EXPECT_EQ(Get(profile_, "TIMER"), "2000");
  // Replaced by rename, as an editor would.
  WriteText(dir_ / "other", "[VOSTRAMELSAVER]\nTIMER=3000\n");
  ASSERT_EQ(rename((dir_ / "other").c_str(), FilePath().c_str()), 0);
  EXPECT_EQ(Get(profile_, "TIMER"), "3000");
  ASSERT_EQ(unlink(FilePath().c_str()), 0);
  EXPECT_EQ(Get(profile_, "TIMER"), "<default>");
  // Our own commit is not mistaken for an outside change and is read back.
  Put(profile_, "TIMER", "4000");
  profile_.Commit();
  EXPECT_EQ(Get(profile_, "TIMER"), "4000");
}

TEST_F(IniProfileTest, SeesSameSizeRewriteThatKeepsTheModificationTime) {
  WriteText(FilePath(), "[VOSTRAMELSAVER]\nTIMER=1000\n");
  struct stat before {};
  ASSERT_EQ(stat(FilePath().c_str(), &before), 0);
  EXPECT_EQ(Get(profile_, "TIMER"), "1000");
  // As a rewrite within one tick of a coarse file-system clock would look.
  WriteText(FilePath(), "[VOSTRAMELSAVER]\nTIMER=2000\n");
  const timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(utimensat(AT_FDCWD, FilePath().c_str(), times, 0), 0);
  EXPECT_EQ(Get(profile_, "TIMER"), "2000");
}

TEST_F(IniProfileTest, UnwritableFolderLeavesNothingDropsWritesAndReports) {
  // Even root cannot make a folder below a regular file.
  WriteText(dir_ / "plain", "not a folder");
  IniProfile blocked(dir_ / "plain/config");
  Put(blocked, "TIMER", "7000");
  EXPECT_EQ(Get(blocked, "TIMER"), "7000");
  EXPECT_EQ(blocked.Commit(), "The settings could not be saved to " + dir_ / "plain/config/" +
                                  kFile + ": " + std::strerror(ENOTDIR));
  EXPECT_EQ(blocked.Commit(), std::nullopt);  // reported once; nothing is left pending
  EXPECT_EQ(Get(blocked, "TIMER"), "<default>");
  EXPECT_EQ(ReadFile(dir_ / "plain"), "not a folder");
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{"plain"});
}

TEST_F(IniProfileTest, FullDiskKeepsOldFileAndRereadsIt) {
  const std::string old = "[VOSTRAMELSAVER]\nTIMER=5000\n";
  WriteText(FilePath(), old);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // A file size limit fails the write as a full disk would.
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1024, 1024};
    setrlimit(RLIMIT_FSIZE, &limit);
    Put(profile_, "TIMER", "7000");
    Put(profile_, "BIG", std::string(4096, 'x'));
    const bool reported = profile_.Commit().has_value();
    _exit(reported && Get(profile_, "TIMER") == "5000" && Get(profile_, "BIG") == "<default>" ? 0
                                                                                              : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(ReadFile(FilePath()), old);
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{kFile});
}

TEST_F(IniProfileTest, NonRegularFileIsNeitherReadNorReplaced) {
  ASSERT_EQ(mkfifo(FilePath().c_str(), 0600), 0);
  EXPECT_EQ(Get(profile_, "TIMER"), "<default>");  // and does not hang
  Put(profile_, "TIMER", "7000");
  EXPECT_EQ(profile_.Commit(),
            "The settings could not be saved to " + FilePath() + ": not a regular file");
  struct stat info {};
  ASSERT_EQ(lstat(FilePath().c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{kFile});

  // A folder in the file's place, as after a careless copy.
  ASSERT_EQ(unlink(FilePath().c_str()), 0);
  ASSERT_EQ(mkdir(FilePath().c_str(), 0700), 0);
  Put(profile_, "TIMER", "7000");
  EXPECT_TRUE(profile_.Commit().has_value());
  ASSERT_EQ(lstat(FilePath().c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
}

TEST_F(IniProfileTest, HugeFileReadsAsAbsentAndIsNotReplaced) {
  constexpr off_t kSize = off_t{3} << 30;
  WriteText(FilePath(), "[VOSTRAMELSAVER]\nTIMER=7000\n");
  ASSERT_EQ(truncate(FilePath().c_str(), kSize), 0);  // sparse: no disk space taken
  EXPECT_EQ(Get(profile_, "TIMER"), "<default>");
  Put(profile_, "TIMER", "1000");
  EXPECT_EQ(profile_.Commit(),
            "The settings could not be saved to " + FilePath() + ": larger than 16777216 bytes");
  struct stat info {};
  ASSERT_EQ(stat(FilePath().c_str(), &info), 0);
  EXPECT_EQ(info.st_size, kSize);
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{kFile});
}

TEST_F(IniProfileTest, KeepsPermissionsAndFollowsLinks) {
  WriteText(dir_ / "real.ini", "[VOSTRAMELSAVER]\nTIMER=5000\n");
  ASSERT_EQ(chmod((dir_ / "real.ini").c_str(), 0640), 0);
  ASSERT_EQ(symlink("real.ini", FilePath().c_str()), 0);
  Put(profile_, "TIMER", "7000");
  profile_.Commit();
  struct stat info {};
  ASSERT_EQ(lstat(FilePath().c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  ASSERT_EQ(stat((dir_ / "real.ini").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(ReadFile(dir_ / "real.ini"), "[VOSTRAMELSAVER]\nTIMER=7000\n");
}

TEST_F(IniProfileTest, HostileFileReadsWithoutHarm) {
  std::string garbage(1 << 20, '\0');
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>(i * 7919 % 251);
  const std::string longValue(1 << 20, 'x');
  const std::string junk =
      garbage + "\n" + std::string(1 << 20, '[') + "\n" + std::string(1 << 20, '=') + "\n";
  WriteText(FilePath(), junk + "[VOSTRAMELSAVER]\nP=\xFF\xFE\x80.jpg\nLONG=" + longValue +
                            "\n[JUNK]\n" + garbage);
  EXPECT_EQ(Get(profile_, "P"), "\xFF\xFE\x80.jpg");
  EXPECT_EQ(Get(profile_, "LONG", "", longValue.size() + 1), longValue);
  Put(profile_, "TIMER", "7000");
  profile_.Commit();
  const std::string after = ReadFile(FilePath());
  EXPECT_EQ(after.substr(0, junk.size()), junk);
  EXPECT_EQ(after.substr(after.size() - garbage.size()), garbage);
  IniProfile fresh(dir_.Path());
  EXPECT_EQ(Get(fresh, "TIMER"), "7000");
  EXPECT_EQ(Get(fresh, "P"), "\xFF\xFE\x80.jpg");
}

}  // namespace
}  // namespace vs
