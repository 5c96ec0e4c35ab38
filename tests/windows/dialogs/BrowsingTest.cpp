#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DialogTestSupport.h"
#include "formats/io/windows/WideNames.h"
#include "platform/windows/dialogs/DriveDirectories.h"
#include "platform/windows/dialogs/Folders.h"
#include "platform/windows/dialogs/Volumes.h"

namespace vs::dialogs {
namespace {

using ::testing::ElementsAre;

TEST(VolumesTest, DrivesAreShownByLowerCaseLetterAndLabel) {
  EXPECT_EQ((Drive{"C:\\", "System"}).DisplayName(), "c: [System]");
  EXPECT_EQ((Drive{"D:\\", ""}).DisplayName(), "d:");
  const std::vector<Drive> drives = ListDrives();
  ASSERT_FALSE(drives.empty());
  EXPECT_TRUE(
      std::any_of(drives.begin(), drives.end(), [](const Drive& d) { return d.root == "C:\\"; }));
}

TEST(VolumesTest, ListsTheLabelTheSystemReportsInUtf8) {
  wchar_t label[MAX_PATH + 1] = {};
  GetVolumeInformationW(L"C:\\", label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
  // A label in accented letters where the system lets one be set; a fresh Wine
  // prefix takes the label but may report none, which the list must show too.
  const bool set = SetVolumeLabelW(L"C:\\", L"Syst\u00e8me") != FALSE;
  wchar_t reported[MAX_PATH + 1] = {};
  GetVolumeInformationW(L"C:\\", reported, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
  const std::vector<Drive> drives = ListDrives();
  if (set) SetVolumeLabelW(L"C:\\", label);
  const auto c =
      std::find_if(drives.begin(), drives.end(), [](const Drive& d) { return d.root == "C:\\"; });
  ASSERT_NE(c, drives.end());
  EXPECT_EQ(c->label, Utf8Name(reported));
  if (std::wstring(reported) == L"Syst\u00e8me") {
    EXPECT_EQ(c->DisplayName(), "c: [Syst\xC3\xA8me]");
  }
}

TEST(DriveDirectoriesTest, EachDriveRemembersItsDirectoryByLetterIgnoringCase) {
  DriveDirectories drives({{"C:\\", ""}, {"D:\\", "Data"}}, "c:\\Users\\me");
  EXPECT_EQ(drives.CurrentDirectory(0), "c:\\Users\\me");
  EXPECT_EQ(drives.CurrentDirectory(1), "D:\\");
  drives.Remember("d:\\Pictures");
  drives.Remember("\\\\server\\share\\x");  // on no drive: ignored
  EXPECT_EQ(drives.CurrentDirectory(1), "d:\\Pictures");
  EXPECT_EQ(drives.RootOf("D:"), 1u);
  EXPECT_EQ(drives.RootOf("c:\\"), 0u);
  EXPECT_EQ(drives.RootOf("C:\\Users"), std::nullopt);
  EXPECT_EQ(drives.RootOf("E:\\"), std::nullopt);
}

TEST(FoldersTest, PathChainRunsFromTheRoot) {
  EXPECT_THAT(PathChain("C:\\a\\b"), ElementsAre("C:\\", "C:\\a", "C:\\a\\b"));
  EXPECT_THAT(PathChain("C:\\"), ElementsAre("C:\\"));
}

TEST(FoldersTest, ListsNamesInAnyScriptSortedIgnoringCaseWithoutHiddenOnes) {
  test::TemporaryFolder folder;
  const std::string cafe = "caf\xC3\xA9.bmp";                   // café
  const std::string cyrillic = "\xD0\x9F\xD1\x80\xD0\xB8.BMP";  // При
  const std::string cjk = "\xE5\x86\x99\xE7\x9C\x9F.jpg";       // 写真
  const std::string tree = "\xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0";  // Ёлка
  for (const std::string& name : {cjk, cyrillic, cafe, std::string("Zeta.bmp")}) {
    folder.AddFile(name);
  }
  folder.AddFile("hidden.bmp");
  SetFileAttributesW((folder.Path() / L"hidden.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
  folder.AddFolder(tree);
  folder.AddFolder("alpha");
  EXPECT_THAT(ListFiles(folder.Utf8(), "*.bmp").value(), ElementsAre(cafe, "Zeta.bmp", cyrillic));
  EXPECT_THAT(ListFiles(folder.Utf8(), "*.jpg;*.JPEG").value(), ElementsAre(cjk));
  EXPECT_THAT(ListSubdirectories(folder.Utf8()).value(), ElementsAre("alpha", tree));
  EXPECT_EQ(ListFiles(folder.Utf8() + "\\missing", "*.bmp"), std::nullopt);
  EXPECT_EQ(NearestReadableDirectory(folder.Utf8() + "\\" + tree + "\\gone\\"),
            folder.Utf8() + "\\" + tree);
}

TEST(FoldersTest, PatternsMatchTheLongNameIgnoringCase) {
  EXPECT_TRUE(MatchesPattern("IMG_0001.JPG", "*.jpg"));
  EXPECT_TRUE(MatchesPattern("tune.mid", "*.mp3; *.mid"));
  EXPECT_FALSE(MatchesPattern("photo.jpeg", "*.jpe"));
  EXPECT_TRUE(MatchesPattern("anything", "  "));
}

}  // namespace
}  // namespace vs::dialogs
