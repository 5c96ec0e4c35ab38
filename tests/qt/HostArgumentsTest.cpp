#include <gtest/gtest.h>

#include "platform/linux/qt/HostArguments.h"

namespace vs {
namespace {

using Words = std::vector<std::string>;
using Kind = SaverTarget::Kind;

TEST(HostArguments, WithoutTargetOptionsTheArgumentsStayAndTheSaverOpensItsOwnWindow) {
  for (const Words& words :
       {Words{"/s"}, Words{"/c:123"}, Words{"/p", "123"}, Words{}, Words{"-window-id"},
        Words{"-window-id", "0"}, Words{"-window-id", "0xg1"}, Words{"-rooted", "/s"}}) {
    const HostArguments read = ReadHostArguments(words, nullptr);
    EXPECT_EQ(read.rest, words);
    EXPECT_EQ(read.target.kind, Kind::OwnWindow);
  }
}

TEST(HostArguments, TheOptionsLeaveOnlyTheModeLetters) {
  // The id's "c" would otherwise choose the configuration dialog.
  const HostArguments named = ReadHostArguments({"-window-id", "0xc00003"}, nullptr);
  EXPECT_EQ(named.rest, Words{});
  EXPECT_EQ(named.target.kind, Kind::Window);
  EXPECT_EQ(named.target.window, 0xc00003u);

  const HostArguments root = ReadHostArguments({"/s", "--root"}, nullptr);
  EXPECT_EQ(root.rest, Words{"/s"});
  EXPECT_EQ(root.target.kind, Kind::Root);

  const HostArguments both = ReadHostArguments({"-root", "/S", "--window-id", "4194310"}, nullptr);
  EXPECT_EQ(both.rest, Words{"/S"});
  EXPECT_EQ(both.target.kind, Kind::Window);
  EXPECT_EQ(both.target.window, 4194310u);
}

TEST(HostArguments, TheHostsWindowIsDrawnIntoUnlessTheCommandLineNamesAnother) {
  EXPECT_EQ(ReadHostArguments({"/s"}, "0x40000A").target.window, 0x40000Au);
  EXPECT_EQ(ReadHostArguments({"/s", "-root"}, "0x40000a").target.window, 0x40000au);
  EXPECT_EQ(ReadHostArguments({"/s", "-window-id", "7"}, "0x40000a").target.window, 7u);
  EXPECT_EQ(ReadHostArguments({"/s"}, "").target.kind, Kind::OwnWindow);
  EXPECT_EQ(ReadHostArguments({"/s", "-root"}, "none").target.kind, Kind::Root);
}

TEST(HostArguments, WindowIdsAreDecimalOrHexAndFitAnXId) {
  EXPECT_EQ(ParseWindowId("4294967295"), 4294967295u);
  EXPECT_EQ(ParseWindowId("0XFFFFFFFF"), 4294967295u);
  for (const char* wrong : {"", "0", "0x", "0x0", "4294967296", "0x100000000", "12a", "-5", "+5",
                            " 5", "0x 5", "99999999999999999999"}) {
    EXPECT_EQ(ParseWindowId(wrong), std::nullopt) << wrong;
  }
}

}  // namespace
}  // namespace vs
