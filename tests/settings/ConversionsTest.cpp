#include <gtest/gtest.h>

#include "core/Conversions.h"
#include "core/Extension.h"
#include "core/RuntimeFailure.h"
#include "core/StringArray.h"
#include "core/Text.h"

namespace vs {
namespace {

// Text that fails this is read as an older program's ANSI code page on Windows.
TEST(IsValidUtf8, TellsWellFormedUtf8FromLegacyBytes) {
  for (const char* good : {"", "plain", "m\u00fasica", "\u65e5\u672c", "\U0010FFFF", "\uFFFD"}) {
    EXPECT_TRUE(IsValidUtf8(good)) << good;
  }
  for (const char* bad : {"m\xFAsica", "\xC3", "\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80",
                          "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\xE6\x97", "\x80"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
  }
}

TEST(Conversions, AcceptsDecimalsWithSignBlanksAndPointFractionsRoundingHalvesToEven) {
  EXPECT_EQ(ToInt16("1000"), 1000);
  EXPECT_EQ(ToInt16("  -5 "), -5);
  EXPECT_EQ(ToInt16("+7"), 7);
  EXPECT_EQ(ToInt16("2.5"), 2);
  EXPECT_EQ(ToInt16("3.5"), 4);
  EXPECT_EQ(ToInt16("-2.5"), -2);
  EXPECT_EQ(ToInt16("7.5"), 8);
  EXPECT_EQ(ToInt16("6.5"), 6);
  EXPECT_EQ(ToInt16(".5"), 0);
  EXPECT_EQ(ToInt16("32767"), 32767);
  EXPECT_EQ(ToInt16("-32768"), -32768);
  EXPECT_EQ(ToInt32("2147483647"), 2147483647);
  EXPECT_EQ(ToInt32("600000"), 600000);
  EXPECT_EQ(RoundToInt16(111.5), 112);
  EXPECT_EQ(RoundToInt16(110.5), 110);
}

TEST(Conversions, RejectsWhatIsNoNumberOrOutOfRangeWithAReadableDescription) {
  for (const char* text :
       {"", " ", "abc", "x", "1e3", "0x10", "1,5", "5 5", "--1", "inf", "nan", "."}) {
    EXPECT_THROW(ToInt16(text), RuntimeFailure) << text;
  }
  for (const char* text : {"32768", "-32769", "32767.5", "99999999999999999999999"}) {
    EXPECT_THROW(ToInt16(text), RuntimeFailure) << text;
  }
  EXPECT_THROW(ToInt32("2147483648"), RuntimeFailure);
  EXPECT_THROW(ToInt32(std::string(400, '9')), RuntimeFailure);
  try {
    ToInt32("abc");
    FAIL();
  } catch (const RuntimeFailure& failure) {
    EXPECT_STREQ(failure.what(), "Type mismatch: \"abc\" is not a number");
  }
}

TEST(Extension, ComparesTheLastThreeLettersInAnyCaseWithoutNeedingADot) {
  EXPECT_TRUE(IsImageEntry("/p/a.Jpg"));
  EXPECT_TRUE(IsImageEntry("/p/agif"));
  EXPECT_TRUE(IsImageEntry("BMP"));
  EXPECT_FALSE(IsImageEntry("/p/a.jpeg"));
  EXPECT_FALSE(IsImageEntry("0"));
  EXPECT_FALSE(IsImageEntry(""));
  EXPECT_TRUE(IsAudioEntry("/p/a.Mp3"));
  EXPECT_TRUE(IsAudioEntry("tunemid"));
  EXPECT_TRUE(IsAudioEntry("l.m3u"));
  EXPECT_FALSE(IsAudioEntry("a.wma"));
  EXPECT_FALSE(IsAudioEntry("0"));
}

TEST(StringArray, EveryAccessOutsideTheElementsIsAFailureNotUndefinedBehaviour) {
  StringArray array;
  EXPECT_THROW(array.UBound(), RuntimeFailure);
  EXPECT_THROW(array(0), RuntimeFailure);
  array.RedimPreserve(1);
  array(0) = "a";
  array(1) = "b";
  array.RedimPreserve(2);
  EXPECT_EQ(array(0), "a");
  EXPECT_EQ(array(1), "b");
  EXPECT_EQ(array.UBound(), 2);
  EXPECT_THROW(array(3), RuntimeFailure);
  EXPECT_THROW(array(-1), RuntimeFailure);
  array.Erase();
  EXPECT_FALSE(array.HasElements());
}

}  // namespace
}  // namespace vs
