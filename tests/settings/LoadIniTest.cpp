#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "settings/Logfile.h"
#include "settings/support.h"

namespace vs {
namespace {

using fake::FakeProfile;

class LoadIni : public ::testing::Test {
 protected:
  static constexpr const char* kLog = fake::kLogPath;
  static constexpr const char* kSplash = fake::kSplashPath;

  std::string Log() const {
    const auto file = platform.files.files.find(kLog);
    return file == platform.files.files.end() ? "" : file->second;
  }
  std::vector<std::string> Images() const {
    std::vector<std::string> images;
    for (int i = 0; i < support.ImageFiles.Count(); ++i) images.push_back(support.ImageFiles(i));
    return images;
  }
  std::vector<std::string> Audios() const {
    std::vector<std::string> audios;
    for (int i = 0; i < support.AudioFiles.Count(); ++i) audios.push_back(support.AudioFiles(i));
    return audios;
  }

  fake::FakePlatform platform;
  Logfile log{platform.files, fake::kProgramDirectory};
  Support support{platform.profile, log, fake::kProgramDirectory};
};

TEST_F(LoadIni, WithoutAFileWritesBothCountsAndKeepsOnlyTheSplash) {
  support.LoadIni();
  EXPECT_EQ(platform.profile.writes,
            (std::vector<FakeProfile::Write>{{"VOSTRAMELSAVER", "TOTAL_IMAGES_DISPLAY", "0"},
                                             {"VOSTRAMELSAVER", "TOTAL_AUDIOS_DISPLAY", "0"}}));
  EXPECT_GE(platform.profile.commits, 1);
  EXPECT_EQ(Images(), std::vector<std::string>{kSplash});
  EXPECT_FALSE(support.AudioFiles.HasElements());
  EXPECT_EQ(support.TimerInterval, 5000);
  EXPECT_EQ(support.TotalImages, 0);
  EXPECT_EQ(support.IniFileName, "VostramelSaver.ini");
  EXPECT_EQ(Log(), "load loadini\r\nsucessfully loadini\r\n");
}

TEST_F(LoadIni, CountsThatCannotBeSavedAreNotReported) {
  platform.profile.commitFailure = "The settings could not be saved: Read-only file system";
  support.LoadIni();
  EXPECT_EQ(Log(), "load loadini\r\nsucessfully loadini\r\n");
}

TEST_F(LoadIni, AbsentEntryKeysReadAsZeroAndEmptyOnesAreSkipped) {
  platform.profile.Set("TOTAL_IMAGES_DISPLAY", "3");
  platform.profile.Set("IMAGES_FILE_0", "/a.jpg");
  platform.profile.Set("IMAGES_FILE_2", "/c.gif");
  platform.profile.Set("TOTAL_AUDIOS_DISPLAY", "3");
  platform.profile.Set("AUDIOS_FILE_0", "/a.mp3");
  platform.profile.Set("AUDIOS_FILE_1", "");
  platform.profile.Set("AUDIOS_FILE_2", "/c.wav");
  platform.profile.Set("AUDIOS_FILE_3", "/left-over.wav");
  support.LoadIni();
  EXPECT_EQ(Images(), (std::vector<std::string>{"/a.jpg", "0", "/c.gif", kSplash}));
  EXPECT_EQ(Audios(), (std::vector<std::string>{"/a.mp3", "/c.wav"}));
  EXPECT_EQ(support.TotalAudios, 3);
  EXPECT_TRUE(platform.profile.writes.empty());
}

TEST_F(LoadIni, ReadsLargeCountsAndLongPathsWhole) {
  platform.profile.Set("TOTAL_IMAGES_DISPLAY", "1000");
  for (int i = 0; i < 1000; ++i) platform.profile.Set("IMAGES_FILE_" + std::to_string(i), "/p.jpg");
  const std::string longPath = "/" + std::string(5000, 'x');
  platform.profile.Set("IMAGES_FILE_999", longPath);
  support.LoadIni();
  EXPECT_EQ(support.TotalImages, 1000);
  ASSERT_EQ(support.ImageFiles.Count(), 1001);
  EXPECT_EQ(support.ImageFiles(999), longPath.substr(0, 4096));
}

TEST_F(LoadIni, CountsRoundHalvesToEvenAndNegativeCountsReadNoEntry) {
  platform.profile.Set("TOTAL_IMAGES_DISPLAY", "2.5");
  platform.profile.Set("TOTAL_AUDIOS_DISPLAY", "-5");
  platform.profile.Set("IMAGES_FILE_0", "/a.jpg");
  platform.profile.Set("IMAGES_FILE_1", "/b.jpg");
  platform.profile.Set("IMAGES_FILE_2", "/c.jpg");
  support.LoadIni();
  EXPECT_EQ(support.TotalImages, 2);
  EXPECT_EQ(Images(), (std::vector<std::string>{"/a.jpg", "/b.jpg", kSplash}));
  EXPECT_EQ(support.TotalAudios, -5);
  EXPECT_FALSE(support.AudioFiles.HasElements());
}

TEST_F(LoadIni, TimerDefaultsBelowOneSecondAndHasNoUpperLimit) {
  const std::pair<const char*, int> cases[] = {{"", 5000},         {"999", 5000},
                                               {"1000", 1000},     {"60000", 60000},
                                               {"600000", 600000}, {"1234567890", 123456789}};
  for (const auto& [text, expected] : cases) {
    platform.profile.Set("TIMER", text);
    support.LoadIni();
    EXPECT_EQ(support.TimerInterval, expected) << text;
  }
}

TEST_F(LoadIni, ABadTimerFailsAfterBothListsAndKeepsTheEarlierInterval) {
  platform.profile.Set("TOTAL_IMAGES_DISPLAY", "1");
  platform.profile.Set("IMAGES_FILE_0", "/a.jpg");
  platform.profile.Set("TOTAL_AUDIOS_DISPLAY", "1");
  platform.profile.Set("AUDIOS_FILE_0", "/a.mp3");
  platform.profile.Set("TIMER", "abc");
  support.TimerInterval = 1234;
  support.LoadIni();
  EXPECT_EQ(Images(), (std::vector<std::string>{"/a.jpg", kSplash}));
  EXPECT_EQ(Audios(), std::vector<std::string>{"/a.mp3"});
  EXPECT_EQ(support.TimerInterval, 1234);
  EXPECT_EQ(Log(),
            "load loadini\r\nError out in LoadIni function\r\n"
            "Type mismatch: \"abc\" is not a number\r\n");
}

TEST_F(LoadIni, ABadCountFailsAtOnceWithoutTheSplash) {
  for (const char* count : {"x", "32768"}) {
    platform.profile.Set("TOTAL_IMAGES_DISPLAY", count);
    support.LoadIni();
    EXPECT_FALSE(support.ImageFiles.HasElements()) << count;
    EXPECT_FALSE(support.AudioFiles.HasElements()) << count;
    EXPECT_EQ(support.TimerInterval, 0) << count;
  }
  EXPECT_EQ(Log().find("sucessfully"), std::string::npos);
}

TEST(Logfile, AppendsEachLineWithCrLfAndSwallowsItsFailures) {
  fake::FakeFileSystem files;
  Logfile log(files, fake::kProgramDirectory);
  EXPECT_EQ(log.Path(), fake::kLogPath);
  log.WriteLog("one");
  log.WriteLog("");
  log.WriteLog("two\nlines");
  EXPECT_EQ(files.files[fake::kLogPath], "one\r\n\r\ntwo\nlines\r\n");
  files.readOnly.insert(fake::kLogPath);
  log.WriteLog("lost");
  EXPECT_EQ(files.files[fake::kLogPath], "one\r\n\r\ntwo\nlines\r\n");
}

}  // namespace
}  // namespace vs
