#include <gmock/gmock.h>
#include <sys/stat.h>

#include "platform/linux/browse/Directories.h"
#include "platform/linux/browse/DriveMemory.h"
#include "platform/linux/browse/Drives.h"
#include "platform/linux/browse/Pattern.h"
#include "samples/SampleFiles.h"

namespace vs::browse {
namespace {

using ::testing::ElementsAre;
using ::testing::Optional;

TEST(Drives, KeepsRootAndRealFileSystemsUnderBrowsedRoots) {
  const std::string mountinfo =
      "21 26 0:20 / /proc rw - proc proc rw\n"
      "23 26 0:6 / /dev rw - devtmpfs devtmpfs rw\n"
      "26 1 254:0 / / rw - ext4 /dev/vda rw\n"
      "27 26 0:24 / /mnt/sandbox ro - tmpfs none ro\n"
      "28 26 8:17 / /media/u/My\\040Stick rw - vfat /dev/sdb1 rw\n"
      "29 26 8:2 / /home rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
      "30 26 0:40 / /run/user/1000 rw - tmpfs tmpfs rw\n"
      "31 26 8:33 / /run/media/u/CAM rw - exfat /dev/sdc1 rw\n"
      "32 26 8:49 / /srv rw - ext4 /dev/sdd1 rw\n"
      "garbage line\n";
  const auto drives = ParseDrives(mountinfo, {{"/dev/sdb1", "My Stick"}, {"/dev/sdc1", "CAM"}});
  EXPECT_THAT(drives, ElementsAre(Drive{"/", ""}, Drive{"/home", ""},
                                  Drive{"/media/u/My Stick", "My Stick"},
                                  Drive{"/run/media/u/CAM", "CAM"}));
  EXPECT_EQ(drives[2].DisplayName(), "/media/u/My Stick [My Stick]");
}

TEST(Drives, ThisSystemHasARoot) { EXPECT_EQ(ListDrives().front().mountPoint, "/"); }

TEST(DriveMemory, EachDriveKeepsItsOwnDirectory) {
  DriveMemory memory({{"/", ""}, {"/home", ""}, {"/media/usb", ""}}, "/home/u/pics");
  EXPECT_EQ(memory.CurrentDirectory(0), "/");
  EXPECT_EQ(memory.CurrentDirectory(1), "/home/u/pics");
  EXPECT_EQ(memory.CurrentDirectory(2), "/media/usb");
  EXPECT_EQ(memory.DriveOf("/media/usbstick"), 0u);  // not under /media/usb
  memory.Remember("/media/usb/dcim");
  memory.Remember("/etc");
  EXPECT_EQ(memory.CurrentDirectory(2), "/media/usb/dcim");
  EXPECT_EQ(memory.CurrentDirectory(0), "/etc");
  EXPECT_EQ(memory.CurrentDirectory(1), "/home/u/pics");
}

TEST(Pattern, IgnoresCaseAndTakesSeveralPatterns) {
  EXPECT_TRUE(MatchesPattern("IMG_0001.JPG", "*.jpg"));
  EXPECT_FALSE(MatchesPattern("a.jpeg", "*.jpg"));
  EXPECT_TRUE(MatchesPattern("song.MP3", "*.wav; *.mp3"));
  EXPECT_TRUE(MatchesPattern("notes", ""));
}

TEST(Directories, ListPlainFilesAndSubdirectoriesWithoutHiddenOnes) {
  samples::TempDir dir;
  for (const char* file : {"b.bmp", "A.BMP", ".hidden.bmp", "c.jpg"}) dir.Write(file, {'x'});
  for (const char* sub : {"zeta", "Alpha", ".git", "dir.bmp"}) dir.AddDirectory(sub);
  EXPECT_THAT(ListFiles(dir.Path(), "*.bmp"), Optional(ElementsAre("A.BMP", "b.bmp")));
  EXPECT_THAT(ListSubdirectories(dir.Path()), Optional(ElementsAre("Alpha", "dir.bmp", "zeta")));
  EXPECT_EQ(ListFiles(dir.Path() + "/gone", "*"), std::nullopt);
}

TEST(Directories, VanishedDirectoryOpensItsNearestReadableAncestor) {
  samples::TempDir dir;
  dir.AddDirectory("a/b");
  EXPECT_EQ(NearestReadableDirectory(dir.Path() + "/a/b/"), dir.Path() + "/a/b");
  EXPECT_EQ(NearestReadableDirectory(dir.Path() + "/a/gone/deeper"), dir.Path() + "/a");
  EXPECT_EQ(NearestReadableDirectory("/"), "/");
  if (geteuid() != 0) {  // root reads every directory
    chmod((dir.Path() + "/a/b").c_str(), 0);
    EXPECT_EQ(NearestReadableDirectory(dir.Path() + "/a/b"), dir.Path() + "/a");
    chmod((dir.Path() + "/a/b").c_str(), 0755);
  }
}

TEST(Directories, PathChainRunsFromTheRoot) {
  EXPECT_THAT(PathChain("/"), ElementsAre("/"));
  EXPECT_THAT(PathChain("/home/u"), ElementsAre("/", "/home", "/home/u"));
}

}  // namespace
}  // namespace vs::browse
