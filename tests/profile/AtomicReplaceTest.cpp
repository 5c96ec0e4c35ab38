#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "formats/io/AtomicReplace.h"
#include "samples/SampleFiles.h"

namespace vs {
namespace {

using Names = std::vector<std::string>;

TEST(AtomicReplace, ReplacesTheContentAndLeavesNoTemporaryFile) {
  const samples::TempDir dir;
  const std::string path = dir / "VostramelSaver.ini";
  samples::WriteText(path, "old content that is longer");
  ASSERT_TRUE(ReplaceFileAtomically(path, "new\r\n"));
  EXPECT_EQ(samples::ReadFile(path), "new\r\n");
  EXPECT_EQ(dir.Names(), Names{"VostramelSaver.ini"});
}

TEST(AtomicReplace, CreatesMissingFolders) {
  const samples::TempDir dir;
  ASSERT_TRUE(ReplaceFileAtomically(dir / "a/b/VostramelSaver.ini", "x"));
  EXPECT_EQ(samples::ReadFile(dir / "a/b/VostramelSaver.ini"), "x");
}

TEST(AtomicReplace, FailureSaysWhyAndLeavesNoTemporaryFile) {
  const samples::TempDir dir;
  dir.AddDirectory("VostramelSaver.ini");
  errno = 0;
  EXPECT_FALSE(ReplaceFileAtomically(dir / "VostramelSaver.ini", "x"));
  EXPECT_NE(errno, 0);
  EXPECT_EQ(dir.Names(), Names{"VostramelSaver.ini"});
}

// Names are UTF-8 inside the program, in any script.
TEST(AtomicReplace, NamesInAnyScriptAreKept) {
  const samples::TempDir dir;
  const std::string name = "\u00e9t\u00e9 \u0436\u0443\u043a \u65e5\u672c.ini";
  ASSERT_TRUE(ReplaceFileAtomically(dir / name, "x"));
  EXPECT_EQ(dir.Names(), Names{name});
  EXPECT_EQ(samples::ReadFile(dir / name), "x");
}

}  // namespace
}  // namespace vs
