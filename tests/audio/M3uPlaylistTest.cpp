#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/Extension.h"
#include "core/Utf8Path.h"
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

// Compares paths as the file system reads them: on Windows "/" and "\\" are the same separator.
Entries Native(Entries paths) {
  for (std::string& path : paths) path = Utf8OfPath(PathOfUtf8(path).make_preferred());
  return paths;
}

class ExpandPlaylistTest : public ::testing::Test {
 protected:
  std::string Song(const std::string& name) { return List(name, "sound"); }
  std::string List(const std::string& name, const std::string& text) {
    const std::string path = dir_ / name;
    std::filesystem::create_directories(PathOfUtf8(path).parent_path());
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
  // An absolute entry as a Windows list writes it: backslashes (and there a drive letter).
  std::string backslashed = c;
  std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
  const std::string list = List("music/list.m3u",
                                "#EXTM3U\r\n"
                                "a.mp3\r\n"
                                "missing.mp3\r\n"
                                "http://radio.example/stream.mp3\r\n"
                                "file:///etc/passwd\r\n"
                                "folder.mp3\r\n"
                                "sub\\b.wav\r\n"
                                "../c.mid\r\n" +
                                    c + "\r\n" + backslashed + "\r\n");
  EXPECT_EQ(Native(ExpandPlaylist(list)), Native({a, b, dir_ / "music/../c.mid", c, c}));
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
  EXPECT_EQ(Native(ExpandPlaylist(dir_ / "l0.m3u8")), Native(expected));
}

TEST_F(ExpandPlaylistTest, NeverFollowsAListIntoItself) {
  const std::string a = Song("a.mp3");
  const std::string b = Song("b.mp3");
  List("self.m3u", "a.mp3\nself.m3u\n./self.m3u\na.mp3\n");
  EXPECT_EQ(Native(ExpandPlaylist(dir_ / "self.m3u")), Native({a, a}));
  // Through another list; a list named twice side by side plays where it is first named.
  List("x.m3u", "a.mp3\ny.m3u\n");
  List("y.m3u", "b.mp3\nx.m3u\n");
  List("twice.m3u", "y.m3u\ny.m3u\n");
  EXPECT_EQ(Native(ExpandPlaylist(dir_ / "x.m3u")), Native({a, b}));
  EXPECT_EQ(Native(ExpandPlaylist(dir_ / "twice.m3u")), Native({b, a}));
}

// Four lists, each naming all four many times under different spellings, used to be expanded
// again at every mention, millions of times.
TEST_F(ExpandPlaylistTest, ReadsEachListOnceWhenListsNameEachOther) {
  const std::string top = "top.m3u", two = "two.m3u", four = "Four.M3U", three = "sub/three.m3u8";
  const auto fanOut = [](const std::string& names) {
    std::string lines;
    for (int i = 0; i < 16; ++i) lines += names;
    return lines;
  };
  for (const std::string& list : {top, two, four}) {
    List(list, "song-" + list + ".mp3\n" +
                   fanOut("two.m3u\n./Four.M3U\nsub/three.m3u8\nsub/../top.m3u\n"));
  }
  List(three, "../song-three.mp3\n" + fanOut("../two.m3u\n../Four.M3U\nthree.m3u8\n../top.m3u\n"));
  const auto canonical = [](Entries paths) {
    for (std::string& path : paths) path = Utf8OfPath(std::filesystem::canonical(PathOfUtf8(path)));
    return paths;
  };
  // Each list's song once, where the list is first named.
  const Entries songs = canonical({Song("song-" + top + ".mp3"), Song("song-" + two + ".mp3"),
                                   Song("song-" + four + ".mp3"), Song("song-three.mp3")});
  EXPECT_EQ(canonical(ExpandPlaylist(dir_ / top)), songs);
}

TEST_F(ExpandPlaylistTest, ReadsAndResolvesNamesInAnyScript) {
  const std::string song = Song("música/Пісня.mp3");
  // A line in a legacy code page is no UTF-8 name; here it names nothing either way.
  const std::string list = List("música/Пісні.m3u8", "m\xFAsica.mp3\nПісня.mp3\n");
  EXPECT_EQ(Native(ExpandPlaylist(list)), Native({song}));
}

// Lines that name nothing count too: a list of lists of dead entries is work, not silence.
TEST_F(ExpandPlaylistTest, StopsAfterABoundedNumberOfEntriesOverAllLists) {
  const std::string a = Song("a.mp3");
  std::string dead;
  for (std::size_t i = 0; i < 1000; ++i) dead += "gone.mp3\n";
  std::string names;
  for (std::size_t i = 0; i * 1000 < kMaxPlaylistEntries; ++i) {
    names += List("dead" + std::to_string(i) + ".m3u", dead) + "\n";
    // The last of these lists spends the rest of the budget.
    EXPECT_EQ(ExpandPlaylist(List("l.m3u", names + "a.mp3\n")).empty(),
              (i + 1) * 1000 + i + 1 >= kMaxPlaylistEntries);
  }
}

}  // namespace
}  // namespace vs
