#pragma once

#include <QProcess>
#include <functional>
#include <string>

namespace vs {

// The saver program started with "/s"; its end is reported once.
class SaverProcess {
 public:
  SaverProcess(std::string program, std::function<void(int status)> ended);
  // False when the program could not be started (its error is printed).
  bool Start();

 private:
  std::string program_;
  std::function<void(int)> ended_;
  QProcess process_;
};

// The saver beside this program (the build folder), else the installed one in
// ../lib/vostramel-saver/; empty when there is neither.
std::string FindSaverProgram(const std::string& programDirectory);

}  // namespace vs
