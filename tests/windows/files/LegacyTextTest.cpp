// A settings file that an older Windows program wrote in the ANSI code page:
// its values read in that code page, and what the program writes back is
// UTF-8. (Play lists: the whole-program test legacy_playlist.sh.)
#include <gtest/gtest.h>

#include <string>

#include "core/Text.h"
#include "platform/ini/IniProfile.h"
#include "platform/windows/Win32.h"
#include "samples/SampleFiles.h"

namespace vs {
namespace {

constexpr char kMusica[] = "m\u00fasica";  // música, in UTF-8

std::string InAnsiCodePage(const std::wstring& text) {
  const int size = static_cast<int>(text.size());
  std::string bytes(
      static_cast<std::size_t>(
          WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr)),
      '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), size, bytes.data(), static_cast<int>(bytes.size()),
                      nullptr, nullptr);
  return bytes;
}

class LegacyText : public ::testing::Test {
 protected:
  void SetUp() override {
    if (IsValidUtf8(legacy)) GTEST_SKIP() << "the ANSI code page writes \u00fa as UTF-8 does";
  }

  const std::string legacy = InAnsiCodePage(L"m\u00fasica");
  samples::TempDir dir;
};

TEST_F(LegacyText, ASettingsValueReadsInTheCodePageAndIsWrittenBackInUtf8) {
  samples::WriteText(dir / "VostramelSaver.ini",
                     "[VOSTRAMELSAVER]\r\nAUDIOS_FILE_0=C:\\" + legacy + ".mp3\r\n");
  IniProfile profile(dir.Path());
  const std::string read = profile.GetPrivateProfileString("VOSTRAMELSAVER", "AUDIOS_FILE_0", "0",
                                                           255, "VostramelSaver.ini");
  EXPECT_EQ(read, std::string("C:\\") + kMusica + ".mp3");
  profile.WritePrivateProfileString("VOSTRAMELSAVER", "AUDIOS_FILE_0", read, "VostramelSaver.ini");
  ASSERT_EQ(profile.Commit(), std::nullopt);
  EXPECT_EQ(samples::ReadFile(dir / "VostramelSaver.ini"),
            std::string("[VOSTRAMELSAVER]\r\nAUDIOS_FILE_0=C:\\") + kMusica + ".mp3\r\n");
}

}  // namespace
}  // namespace vs
