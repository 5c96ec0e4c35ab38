#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "formats/io/windows/WideNames.h"
#include "platform/windows/Win32.h"
#include "platform/windows/files/KnownFolders.h"
#include "samples/SampleFiles.h"

namespace vs {
namespace {

std::string Environment(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  return value ? Utf8Name(value) : std::string();
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(WideName(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

TEST(KnownFolders, SettingsLiveInTheRoamingApplicationData) {
  ASSERT_FALSE(Environment(L"APPDATA").empty());
  EXPECT_EQ(SettingsDirectory(), Environment(L"APPDATA"));
}

TEST(KnownFolders, LogStaysBesideAProgramWhoseFolderTakesFilesAndLeavesNothingThere) {
  const samples::TempDir dir;
  EXPECT_EQ(LogDirectory(dir.Path()), dir.Path());
  EXPECT_EQ(dir.Names(), std::vector<std::string>{});
  // The read-only attribute does not stop new files in a folder.
  ASSERT_TRUE(SetFileAttributesW(WideName(dir.Path()).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(LogDirectory(dir.Path()), dir.Path());
  SetFileAttributesW(WideName(dir.Path()).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(KnownFolders, LogGoesToTheLocalApplicationDataWhenTheProgramFolderTakesNoFiles) {
  const samples::TempDir dir;
  samples::WriteText(dir / "file", "");
  ASSERT_FALSE(Environment(L"LOCALAPPDATA").empty());
  EXPECT_EQ(LogDirectory(dir / "file"), Environment(L"LOCALAPPDATA"));
  EXPECT_EQ(LogDirectory(dir / "absent"), Environment(L"LOCALAPPDATA"));
  EXPECT_TRUE(IsFolder(LogDirectory(dir / "absent")));
}

}  // namespace
}  // namespace vs
