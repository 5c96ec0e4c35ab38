#include "settings/support.h"

#include <exception>

#include "core/Conversions.h"
#include "core/Paths.h"

namespace vs {

Support::Support(Profile& profile, Logfile& log, const std::string& programDirectory)
    : profile_(profile),
      log_(log),
      splashPath_(programDirectory + kPathSeparator + "vostramelsaver.jpg") {}

std::string Support::Read(const std::string& key, const std::string& defaultValue,
                          std::size_t bufferSize) {
  return profile_.GetPrivateProfileString(kSection, key, defaultValue, bufferSize, IniFileName);
}

bool Support::ReadCount(const char* key, std::int16_t& total) {
  const std::string text = Read(key, "", kCountBufferSize);
  if (text.empty()) {
    profile_.WritePrivateProfileString(kSection, key, "0", IniFileName);
    return false;
  }
  total = ToInt16(text);
  return true;
}

int Support::ReadEntries(const char* prefix, std::int16_t total, StringArray& into) {
  int kept = 0;
  for (int n = 0; n < total; ++n) {
    std::string entry = Read(prefix + std::to_string(n), "0", kPathBufferSize);
    if (entry.empty()) continue;
    into.RedimPreserve(kept);
    into(kept) = std::move(entry);
    ++kept;
  }
  return kept;
}

void Support::LoadIni() {
  try {
    log_.WriteLog("load loadini");
    IniFileName = kFileName;
    ImageFiles.Erase();
    AudioFiles.Erase();

    int kept = 0;
    if (ReadCount("TOTAL_IMAGES_DISPLAY", TotalImages)) {
      kept = ReadEntries("IMAGES_FILE_", TotalImages, ImageFiles);
    }
    ImageFiles.RedimPreserve(kept);
    ImageFiles(kept) = splashPath_;

    if (ReadCount("TOTAL_AUDIOS_DISPLAY", TotalAudios)) {
      ReadEntries("AUDIOS_FILE_", TotalAudios, AudioFiles);
    }

    const std::string timer = Read("TIMER", "5000", kTimerBufferSize);
    if (timer.empty()) {
      TimerInterval = 5000;
    } else {
      TimerInterval = ToInt32(timer);
      if (TimerInterval < 1000) TimerInterval = 5000;
    }
    profile_.Commit();
    log_.WriteLog("sucessfully loadini");
  } catch (const std::exception& failure) {
    profile_.Commit();
    log_.WriteLog("Error out in LoadIni function");
    log_.WriteLog(failure.what());
  }
}

}  // namespace vs
