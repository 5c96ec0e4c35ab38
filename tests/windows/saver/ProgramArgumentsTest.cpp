#include <gtest/gtest.h>

#include <string>

#include "platform/windows/app/ProgramArguments.h"

namespace vs {
namespace {

// The program is "C:\My Savers\Saver.scr", also spelt "C:\MYSAVE~1\SAVER.SCR".
bool NamesProgram(std::wstring_view candidate) {
  return candidate == L"C:\\My Savers\\Saver.scr" || candidate == L"C:\\MYSAVE~1\\SAVER.SCR";
}

std::wstring After(const wchar_t* commandLine) {
  return std::wstring(ArgumentsAfterProgram(commandLine, &NamesProgram));
}

// Windows passes the program's path quoted or not, long or short; a blank in
// an unquoted path must not make its second half an argument.
TEST(ProgramArguments, ThePathComesOffWholeInEveryFormWindowsWritesIt) {
  EXPECT_EQ(After(L"C:\\My Savers\\Saver.scr /p 123"), L" /p 123");
  EXPECT_EQ(After(L"\"C:\\My Savers\\Saver.scr\" /s"), L" /s");
  EXPECT_EQ(After(L"\"C:\\My Savers\\Saver.scr\"/c:42"), L"/c:42");
  EXPECT_EQ(After(L"C:\\MYSAVE~1\\SAVER.SCR /c:42"), L" /c:42");
  EXPECT_EQ(After(L"  C:\\My Savers\\Saver.scr"), L"");
  // A path not known as the program's (found on the PATH): its first word.
  EXPECT_EQ(After(L"Saver /s"), L" /s");
  EXPECT_EQ(After(L"\"unclosed /s"), L"");
  EXPECT_EQ(After(L""), L"");
}

}  // namespace
}  // namespace vs
