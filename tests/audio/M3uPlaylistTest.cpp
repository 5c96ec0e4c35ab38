#include <gtest/gtest.h>

#include <filesystem>

#include "formats/m3u/M3uPlaylist.h"
#include "samples/SampleFiles.h"

namespace vs {
namespace {

using samples::TempDir;
using samples::WriteText;
using Entries = std::vector<std::string>;

TEST(ParseM3u, KeepsEntriesAndDropsCommentsBlanksBomAndLineEnds) {
  EXPECT_EQ(ParseM3u("\xEF\xBB\xBF#EXTM3U\r\n#EXTINF:12,Song\r\na.mp3\r\n\r\n  b c.wav \t\r\n"
                     "d.mid\re.mp3\n\n#x\nf.wav"),
            (Entries{"a.mp3", "b c.wav", "d.mid", "e.mp3", "f.wav"}));
  EXPECT_EQ(ParseM3u(""), Entries{});
  EXPECT_EQ(ParseM3u("\xEF\xBB\xBF"), Entries{});
  // A byte-order mark only counts at the very start.
  EXPECT_EQ(ParseM3u("a\n\xEF\xBB\xBF"
                     "b"),
            (Entries{"a",
                     "\xEF\xBB\xBF"
                     "b"}));
}

TEST(IsPlaylistPath, MatchesM3uAndM3u8InAnyCase) {
  EXPECT_TRUE(IsPlaylistPath("/x/list.m3u"));
  EXPECT_TRUE(IsPlaylistPath("LIST.M3U"));
  EXPECT_TRUE(IsPlaylistPath("list.M3u8"));
  EXPECT_FALSE(IsPlaylistPath("song.mp3"));
  EXPECT_FALSE(IsPlaylistPath("m3"));
  EXPECT_FALSE(IsPlaylistPath(""));
}

class ExpandPlaylistTest : public ::testing::Test {
 protected:
  std::string Song(const std::string& name) {
    const std::string path = dir_ / name;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteText(path, "sound");
    return path;
  }
  std::string List(const std::string& name, const std::string& text) {
    const std::string path = dir_ / name;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteText(path, text);
    return path;
  }

  TempDir dir_;
};

TEST_F(ExpandPlaylistTest, ResolvesEntriesAgainstTheListsFolderAndPassesOverTheUnplayable) {
  const std::string a = Song("music/a.mp3");
  const std::string b = Song("music/sub/b.wav");
  const std::string c = Song("c.mid");
  std::filesystem::create_directory(dir_ / "music/folder.mp3");
  const std::string list = List("music/list.m3u",
                                "#EXTM3U\r\n"
                                "a.mp3\r\n"
                                "missing.mp3\r\n"
                                "http://radio.example/stream.mp3\r\n"
                                "file:///etc/passwd\r\n"
                                "folder.mp3\r\n"
                                "sub\\b.wav\r\n"
                                "../c.mid\r\n" +
                                    c + "\r\n");
  EXPECT_EQ(ExpandPlaylist(list), (Entries{a, b, dir_ / "music/../c.mid", c}));
}

TEST_F(ExpandPlaylistTest, ExpandsNestedListsInPlaceToAFixedDepth) {
  Song("s0.mp3");
  // l0 names l1 ... l6, each list naming its own song first.
  for (int i = 0; i <= 6; ++i) {
    const std::string n = std::to_string(i);
    List("l" + n + ".m3u8",
         "s" + n + ".mp3\nl" + std::to_string(i + 1) + ".m3u8\nafter" + n + ".wav\n");
    Song("s" + n + ".mp3");
    Song("after" + n + ".wav");
  }
  Entries expected;
  for (int i = 0; i <= kMaxPlaylistNesting; ++i)
    expected.push_back(dir_ / ("s" + std::to_string(i) + ".mp3"));
  for (int i = kMaxPlaylistNesting; i >= 0; --i) {
    expected.push_back(dir_ / ("after" + std::to_string(i) + ".wav"));
  }
  EXPECT_EQ(ExpandPlaylist(dir_ / "l0.m3u8"), expected);
}

TEST_F(ExpandPlaylistTest, NeverFollowsAListIntoItself) {
  const std::string a = Song("a.mp3");
  const std::string b = Song("b.mp3");
  List("self.m3u", "a.mp3\nself.m3u\n./self.m3u\na.mp3\n");
  EXPECT_EQ(ExpandPlaylist(dir_ / "self.m3u"), (Entries{a, a}));
  // Through another list; a list named twice side by side is no loop and plays twice.
  List("x.m3u", "a.mp3\ny.m3u\n");
  List("y.m3u", "b.mp3\nx.m3u\n");
  List("twice.m3u", "y.m3u\ny.m3u\n");
  EXPECT_EQ(ExpandPlaylist(dir_ / "x.m3u"), (Entries{a, b}));
  EXPECT_EQ(ExpandPlaylist(dir_ / "twice.m3u"), (Entries{b, a, b, a}));
}

TEST_F(ExpandPlaylistTest, IsEmptyWhenNothingCanBePlayed) {
  EXPECT_EQ(ExpandPlaylist(dir_ / "absent.m3u"), Entries{});
  EXPECT_EQ(ExpandPlaylist(List("comments.m3u", "#EXTM3U\n#EXTINF:1,x\n\n")), Entries{});
  EXPECT_EQ(ExpandPlaylist(List("gone.m3u", "gone.mp3\nhttps://x/y.mp3\n")), Entries{});
  std::filesystem::create_directory(dir_ / "dir.m3u");
  EXPECT_EQ(ExpandPlaylist(dir_ / "dir.m3u"), Entries{});
}

TEST_F(ExpandPlaylistTest, StopsAtTheEntryCapWhenListsFanOut) {
  Song("a.mp3");
  std::string lines;
  for (int i = 0; i < 100; ++i) lines += "a.mp3\n";
  List("l4.m3u", lines);
  for (int level = 3; level >= 0; --level) {
    std::string names;
    for (int i = 0; i < 100; ++i) names += "l" + std::to_string(level + 1) + ".m3u\n";
    List("l" + std::to_string(level) + ".m3u", names);
  }
  // 100^5 entries unbounded.
  EXPECT_EQ(ExpandPlaylist(dir_ / "l0.m3u").size(), kMaxPlaylistEntries);
}

}  // namespace
}  // namespace vs
