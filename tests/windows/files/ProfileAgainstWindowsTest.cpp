// The settings loader's reads, through our INI profile and through Windows' own
// GetPrivateProfileStringA, on the same files: the values must agree.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/ini/IniProfile.h"
#include "platform/windows/Win32.h"
#include "samples/SampleFiles.h"
#include "settings/support.h"

namespace vs {
namespace {

constexpr const char* kSection = "VOSTRAMELSAVER";

// The buffer sizes of the classic loader: 3 characters for a count, 254 for a
// path, 9 for the interval.
constexpr std::size_t kClassicCount = 4;
constexpr std::size_t kClassicPath = 255;
constexpr std::size_t kTimer = 10;

struct Read {
  std::string section;
  std::string key;
  std::string defaultValue;
  std::size_t classicSize;  // what Windows is asked with
  std::size_t loaderSize;   // what our loader asks with
};

// Every read the loader makes on a file with up to three entries per list,
// then the same keys spelt otherwise.
std::vector<Read> LoaderReads() {
  std::vector<Read> reads = {
      {kSection, "TOTAL_IMAGES_DISPLAY", "", kClassicCount, Support::kCountBufferSize},
      {kSection, "TOTAL_AUDIOS_DISPLAY", "", kClassicCount, Support::kCountBufferSize},
      {kSection, "TIMER", "5000", kTimer, Support::kTimerBufferSize},
      {"vostramelsaver", "timer", "5000", kTimer, kTimer},
      {" VostramelSaver ", " Timer ", "5000", kTimer, kTimer},
      {"OTHER", "TIMER", "5000", kTimer, kTimer},
  };
  for (const char* prefix : {"IMAGES_FILE_", "AUDIOS_FILE_"}) {
    for (int n = 0; n < 3; ++n) {
      reads.push_back(
          {kSection, prefix + std::to_string(n), "0", kClassicPath, Support::kPathBufferSize});
    }
  }
  return reads;
}

struct Case {
  const char* name;
  std::string content;  // no file at all when empty
  // Keys whose value our loader deliberately reads otherwise, with why.
  std::map<std::string, std::string> differences;
};

const std::string kLongPath = "C:\\" + std::string(296, 'p') + ".jpg";

std::vector<Case> Cases() {
  return {
      {"absent file", "", {}},
      {"empty file", "\r\n", {}},
      {"as our writer writes it",
       "[VOSTRAMELSAVER]\r\nTOTAL_IMAGES_DISPLAY=2\r\nIMAGES_FILE_0=C:\\a.jpg\r\n"
       "IMAGES_FILE_1=C:\\My Pictures\\b c.gif\r\nTOTAL_AUDIOS_DISPLAY=1\r\n"
       "AUDIOS_FILE_0=C:\\m.mp3\r\nTIMER=7000\r\n",
       {}},
      {"empty values",
       "[VOSTRAMELSAVER]\r\nTOTAL_IMAGES_DISPLAY=\r\nIMAGES_FILE_0=\r\nTOTAL_AUDIOS_DISPLAY=\r\n"
       "TIMER=\r\n",
       {}},
      {"values longer than the classic buffers",
       "[VOSTRAMELSAVER]\r\nTOTAL_IMAGES_DISPLAY=1000\r\nTOTAL_AUDIOS_DISPLAY=-1234\r\n"
       "IMAGES_FILE_0=" +
           kLongPath + "\r\nTIMER=1234567890123\r\n",
       {{"TOTAL_IMAGES_DISPLAY",
         "a count of 1000 or more is read whole, not as its first 3 digits"},
        {"TOTAL_AUDIOS_DISPLAY", "a negative count is read whole, not as its first 3 characters"},
        {"IMAGES_FILE_0", "a path is read whole, up to 4096 bytes, not cut to 254"}}},
      {"names in other cases, LF line ends",
       "[vostramelsaver]\ntotal_images_display=1\nImages_File_0=C:\\x.bmp\nTimer=2000\n",
       {}},
      {"blanks around names and values",
       "  [ VOSTRAMELSAVER ]  \r\n  TOTAL_IMAGES_DISPLAY  =  1  \r\n"
       "\tIMAGES_FILE_0\t=\tC:\\a b.jpg \t\r\nTIMER = 3000 \r\n",
       {}},
      {"duplicate keys",
       "[VOSTRAMELSAVER]\r\nTIMER=1000\r\nTIMER=2000\r\nIMAGES_FILE_0=a\r\n"
       "IMAGES_FILE_0=b\r\n",
       {}},
      {"duplicate sections",
       "[VOSTRAMELSAVER]\r\nTIMER=1000\r\n[OTHER]\r\nTIMER=9000\r\n[vostramelsaver]\r\n"
       "TIMER=2000\r\nTOTAL_IMAGES_DISPLAY=1\r\n",
       {}},
      {"comments and lines without an equals sign",
       "; settings\r\nTIMER=1000\r\n[VOSTRAMELSAVER]\r\n;TIMER=2000\r\n; TOTAL_IMAGES_DISPLAY=5\r\n"
       "TOTAL_AUDIOS_DISPLAY\r\nIMAGES_FILE_0=C:\\a.jpg ; not a comment\r\n\r\nTIMER=3000\r\n",
       {}},
      {"a header with text after it, keys after a blank line",
       "[VOSTRAMELSAVER] old\r\n\r\nTIMER=4000\r\n\r\n\r\nIMAGES_FILE_1=C:\\b.jpg\r\n",
       {}},
      {"equals signs in values",
       "[VOSTRAMELSAVER]\r\nIMAGES_FILE_0=C:\\a=b.jpg\r\nTIMER==5\r\n",
       {}},
      {"quotes",
       "[VOSTRAMELSAVER]\r\nIMAGES_FILE_0=\"C:\\My Pictures\\a.jpg\"\r\n"
       "IMAGES_FILE_1='C:\\b.jpg'\r\nIMAGES_FILE_2=\"C:\\c.jpg\r\nTIMER=\"7000\"\r\n",
       {}},
      {"a path in UTF-8",
       "[VOSTRAMELSAVER]\r\nIMAGES_FILE_0=C:\\\u00e9t\u00e9\\\u65e5\u672c.jpg\r\n",
       {}},
      {"UTF-8 byte order mark", "\xEF\xBB\xBF[VOSTRAMELSAVER]\r\nTIMER=6000\r\n", {}},
  };
}

std::string ViaWindows(const Read& read, const std::string& path) {
  std::string buffer(read.classicSize, '\0');
  const DWORD length =
      GetPrivateProfileStringA(read.section.c_str(), read.key.c_str(), read.defaultValue.c_str(),
                               buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
  return buffer.substr(0, length);
}

TEST(ProfileAgainstWindows, TheLoaderReadsWhatWindowsReads) {
  const samples::TempDir dir;
  int fileNumber = 0;
  for (const Case& file : Cases()) {
    SCOPED_TRACE(file.name);
    // A name of its own for each file: Windows keeps recently read files.
    std::string path = dir / ("case" + std::to_string(++fileNumber) + ".ini");
    std::replace(path.begin(), path.end(), '/', '\\');
    if (!file.content.empty()) samples::WriteText(path, file.content);
    IniProfile ours(dir.Path());
    for (const Read& read : LoaderReads()) {
      SCOPED_TRACE("[" + read.section + "] " + read.key);
      const std::string windows = ViaWindows(read, path);
      EXPECT_EQ(ours.GetPrivateProfileString(read.section, read.key, read.defaultValue,
                                             read.classicSize, path),
                windows)
          << "with the classic buffer size";
      const std::string loader = ours.GetPrivateProfileString(
          read.section, read.key, read.defaultValue, read.loaderSize, path);
      const auto difference = file.differences.find(read.key);
      if (difference == file.differences.end()) {
        EXPECT_EQ(loader, windows) << "with the loader's buffer size";
      } else {
        EXPECT_NE(loader, windows) << difference->second;
        EXPECT_EQ(loader.substr(0, windows.size()), windows) << difference->second;
      }
    }
  }
}

}  // namespace
}  // namespace vs
