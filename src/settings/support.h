#pragma once

#include <cstdint>
#include <string>

#include "core/StringArray.h"
#include "platform/Profile.h"
#include "settings/Logfile.h"

namespace vs {

// The shared settings and their loader. One instance lives for the whole run.
class Support {
 public:
  static constexpr const char* kSection = "VOSTRAMELSAVER";
  static constexpr const char* kFileName = "VostramelSaver.ini";
  // Counts are 16-bit, so "-32768" is the longest count text.
  static constexpr std::size_t kCountBufferSize = 7;
  static constexpr std::size_t kPathBufferSize = 4097;
  static constexpr std::size_t kTimerBufferSize = 10;

  Support(Profile& profile, Logfile& log, const std::string& programDirectory);

  // Fills the shared settings from the settings file. Never passes a failure
  // on: it writes a failure report and returns.
  void LoadIni();

  // The program's directory followed by "/vostramelsaver.jpg".
  const std::string& SplashPath() const { return splashPath_; }

  std::string IniFileName;
  StringArray ImageFiles;
  StringArray AudioFiles;
  std::int16_t TotalImages = 0;
  std::int16_t TotalAudios = 0;
  std::int32_t TimerInterval = 0;

 private:
  // Reads the count key; writes "0" when it is absent or empty.
  // Returns false in that case.
  bool ReadCount(const char* key, std::int16_t& total);
  // Appends every non-empty entry key "<prefix>0" .. "<prefix><total-1>".
  int ReadEntries(const char* prefix, std::int16_t total, StringArray& into);
  std::string Read(const std::string& key, const std::string& defaultValue, std::size_t bufferSize);

  Profile& profile_;
  Logfile& log_;
  std::string splashPath_;
};

}  // namespace vs
