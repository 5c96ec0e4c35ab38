#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/ini/IniProfile.h"
#include "samples/SampleFiles.h"

namespace vs {
namespace {

constexpr const char* kFile = "VostramelSaver.ini";
constexpr int kKeys = 2000;

// Writes every key with a value made of `fill`, large enough that a commit
// takes a while and a kill often lands inside one.
void WriteAll(IniProfile& profile, char fill) {
  const std::string value(200, fill);
  for (int i = 0; i < kKeys; ++i) {
    profile.WritePrivateProfileString("VOSTRAMELSAVER", "IMAGES_FILE_" + std::to_string(i), value,
                                      kFile);
  }
}

std::string ContentWith(char fill) {
  samples::TempDir dir;
  IniProfile profile(dir.Path());
  WriteAll(profile, fill);
  profile.Commit();
  return samples::ReadFile(dir / kFile);
}

TEST(CrashSafety, KillDuringCommitsLeavesOldOrNewFile) {
  const std::string contentA = ContentWith('a');
  const std::string contentB = ContentWith('b');
  std::mt19937 random(12345);
  for (int round = 0; round < 20; ++round) {
    samples::TempDir dir;
    samples::WriteText(dir / kFile, contentA);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      IniProfile profile(dir.Path());
      for (int i = 0;; ++i) {
        WriteAll(profile, i % 2 == 0 ? 'b' : 'a');
        profile.Commit();
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);

    const std::string content = samples::ReadFile(dir / kFile);
    EXPECT_TRUE(content == contentA || content == contentB) << "round " << round;
    // A kill between creating and renaming the temporary file may leave it;
    // it is hidden and named after the file, nothing reads it, and the next
    // save removes it.
    for (const std::string& name : dir.Names()) {
      if (name != kFile) {
        EXPECT_EQ(name.rfind(std::string(".") + kFile + ".", 0), 0u) << name;
      }
    }
    IniProfile reader(dir.Path());
    const std::string value =
        reader.GetPrivateProfileString("VOSTRAMELSAVER", "IMAGES_FILE_0", "", 4097, kFile);
    EXPECT_TRUE(value == std::string(200, 'a') || value == std::string(200, 'b'));
    reader.WritePrivateProfileString("VOSTRAMELSAVER", "TIMER", "2000", kFile);
    EXPECT_EQ(reader.Commit(), std::nullopt);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{kFile}) << "round " << round;
  }
}

}  // namespace
}  // namespace vs
