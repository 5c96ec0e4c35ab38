#include "settings/Logfile.h"

#include "core/Paths.h"

namespace vs {

Logfile::Logfile(FileSystem& files, const std::string& logDirectory)
    : files_(files), path_(logDirectory + kPathSeparator + "VostramelSaver.log") {}

void Logfile::WriteLog(const std::string& text) noexcept {
  try {
    files_.AppendText(path_, text + "\r\n");
  } catch (...) {
  }
}

}  // namespace vs
