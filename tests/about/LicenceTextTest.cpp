#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "about/LicenceText.h"
#include "about/Maker.h"

namespace vs {
namespace {

std::vector<std::string> CrlfLines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos;
       text.remove_prefix(end + 2)) {
    lines.emplace_back(text.substr(0, end));
  }
  EXPECT_TRUE(text.empty()) << "text after the last line end: " << text;
  return lines;
}

bool IsSeparator(const std::string& line) { return line.empty() || line == " "; }

TEST(LicenceText, HasTheAgreedShape) {
  const std::string_view text = LicenceText();
  EXPECT_EQ(text.size(), 1189u);
  const std::vector<std::string> lines = CrlfLines(text);
  ASSERT_EQ(lines.size(), 29u);

  std::size_t longest = 0;
  int separators = 0;
  int blankSeparators = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    EXPECT_EQ(line.find_first_of("\r\n\t"), std::string::npos) << "line " << i;
    longest = std::max(longest, line.size());
    if (!IsSeparator(line)) continue;
    ++separators;
    if (line == " ") ++blankSeparators;
    ASSERT_GT(i, 0u);
    ASSERT_LT(i + 1, lines.size());
    EXPECT_FALSE(IsSeparator(lines[i + 1])) << "two separators at line " << i;
  }
  EXPECT_EQ(longest, 71u);
  EXPECT_EQ(separators, 8) << "nine paragraphs";
  EXPECT_EQ(blankSeparators, 1);
}

TEST(LicenceText, NamesTheMakerTheSoftwareAndFreeware) {
  const std::string text(LicenceText());
  EXPECT_NE(text.find(kMakerName), std::string::npos);
  EXPECT_NE(text.find("\"Software\""), std::string::npos);
  EXPECT_NE(text.find("freeware"), std::string::npos);
}

}  // namespace
}  // namespace vs
