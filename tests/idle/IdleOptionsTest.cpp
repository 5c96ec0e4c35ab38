#include <gtest/gtest.h>

#include "idle/IdleOptions.h"

namespace vs {
namespace {

TEST(IdleOptionsTest, MinutesOrSecondsSetTheIdleTime) {
  EXPECT_EQ(ReadIdleOptions({}).idleMilliseconds, 600000);
  EXPECT_EQ(ReadIdleOptions({"--minutes", "1440"}).idleMilliseconds, 86400000);
  EXPECT_EQ(ReadIdleOptions({"--seconds", "2"}).idleMilliseconds, 2000);
  EXPECT_TRUE(ReadIdleOptions({"--help"}).help);
}

TEST(IdleOptionsTest, AnythingElseIsAnErrorThatNamesTheOption) {
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"--minutes"}, {"--minutes", "0"}, {"--minutes", "1441"}, {"--seconds", "-3"},
           {"--seconds", "2.5"}, {"--seconds", "99999999999"}, {"--minutes", ""}}) {
    const IdleOptions options = ReadIdleOptions(arguments);
    EXPECT_NE(options.error.find(arguments[0] + " needs a whole number from 1 to "),
              std::string::npos)
        << arguments[0] << " " << (arguments.size() > 1 ? arguments[1] : "");
  }
  EXPECT_EQ(ReadIdleOptions({"/s"}).error, "unknown option /s (use --minutes N or --seconds N)");
}

}  // namespace
}  // namespace vs
