#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace vs {

// The trace of the latest run, in the folder the platform keeps logs in. Each
// line is on disk when WriteLog returns: the saver may end the program right
// after.
class Logfile {
 public:
  Logfile(FileSystem& files, const std::string& logDirectory);

  const std::string& Path() const { return path_; }
  // Appends `text` and "\r\n". Never reports a failure: a line that cannot be
  // written is lost and the caller carries on.
  void WriteLog(const std::string& text) noexcept;

 private:
  FileSystem& files_;
  std::string path_;
};

}  // namespace vs
