#include <gtest/gtest.h>

#include <string>

#include "formats/io/AtomicReplace.h"
#include "formats/io/FileSnapshot.h"
#include "formats/io/windows/WideNames.h"
#include "platform/ini/IniProfile.h"
#include "platform/windows/Win32.h"
#include "samples/SampleFiles.h"

namespace vs {
namespace {

using samples::TempDir;
using samples::WriteText;

FILETIME LastWriteTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(WideName(path).c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

void SetLastWriteTime(const std::string& path, const FILETIME& time) {
  const HANDLE file = CreateFileW(WideName(path).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &time));
  CloseHandle(file);
}

TEST(WindowsFileStamp, AReplaceAndAnInPlaceEditKeepingTheWriteTimeBothShow) {
  const TempDir dir;
  const std::string path = dir / "VostramelSaver.ini";
  WriteText(path, "[VOSTRAMELSAVER]\r\nTIMER=1000\r\n");
  const FILETIME written = LastWriteTime(path);
  const FileStamp first = StampOf(path);
  ASSERT_EQ(first.state, FileStamp::State::kPresent);
  EXPECT_EQ(first, StampOf(path));

  ASSERT_TRUE(ReplaceFileAtomically(path, "[VOSTRAMELSAVER]\r\nTIMER=2000\r\n"));
  SetLastWriteTime(path, written);
  const FileStamp replaced = StampOf(path);
  EXPECT_NE(replaced.inode, first.inode);
  EXPECT_NE(replaced, first);

  WriteText(path, "[VOSTRAMELSAVER]\r\nTIMER=3000\r\n");
  SetLastWriteTime(path, written);
  EXPECT_NE(StampOf(path), replaced);
}

TEST(WindowsFileStamp, SnapshotTellsAbsentFolderAndFile) {
  const TempDir dir;
  EXPECT_EQ(ReadSnapshot(dir / "absent.ini", 100).state, FileSnapshot::State::kAbsent);
  EXPECT_EQ(StampOf(dir / "absent/absent.ini").state, FileStamp::State::kAbsent);
  dir.AddDirectory("folder.ini");
  const FileSnapshot folder = ReadSnapshot(dir / "folder.ini", 100);
  EXPECT_EQ(folder.state, FileSnapshot::State::kUnreadable);
  EXPECT_EQ(folder.problem, "not a regular file");
  WriteText(dir / "big.ini", std::string(101, 'x'));
  EXPECT_EQ(ReadSnapshot(dir / "big.ini", 100).problem, "larger than 100 bytes");
  const FileSnapshot read = ReadSnapshot(dir / "big.ini", 101);
  EXPECT_EQ(read.state, FileSnapshot::State::kRead);
  EXPECT_EQ(read.content, std::string(101, 'x'));
}

// The profile rereads a file changed behind its back even when the change
// kept the size and the last write time, as a quick same-size edit can.
TEST(WindowsIniProfile, RereadsAnOutsideEditAndRoundTripsInAFolderNamedInAnyScript) {
  const TempDir dir;
  const std::string folder = dir / "\u00e9t\u00e9 \u65e5\u672c";
  IniProfile profile(folder);
  profile.WritePrivateProfileString("VOSTRAMELSAVER", "IMAGES_FILE_0", "C:\\\u00e9t\u00e9\\a.jpg",
                                    "VostramelSaver.ini");
  ASSERT_EQ(profile.Commit(), std::nullopt);
  const std::string path = folder + "\\VostramelSaver.ini";
  EXPECT_EQ(samples::ReadFile(path), "[VOSTRAMELSAVER]\nIMAGES_FILE_0=C:\\\u00e9t\u00e9\\a.jpg\n");
  EXPECT_EQ(IniProfile(folder).GetPrivateProfileString("VOSTRAMELSAVER", "images_file_0", "0", 255,
                                                       "VostramelSaver.ini"),
            "C:\\\u00e9t\u00e9\\a.jpg");

  WriteText(path, "[VOSTRAMELSAVER]\nTIMER=1000\n");
  const FILETIME old{0x256D4000, 0x01BF53EB};  // 2000-01-01, long settled
  SetLastWriteTime(path, old);
  EXPECT_EQ(
      profile.GetPrivateProfileString("VOSTRAMELSAVER", "TIMER", "5000", 10, "VostramelSaver.ini"),
      "1000");
  WriteText(path, "[VOSTRAMELSAVER]\nTIMER=2000\n");
  SetLastWriteTime(path, old);
  EXPECT_EQ(
      profile.GetPrivateProfileString("VOSTRAMELSAVER", "TIMER", "5000", 10, "VostramelSaver.ini"),
      "2000");
}

}  // namespace
}  // namespace vs
