#include "platform/linux/idle/SaverProcess.h"

#include <unistd.h>

#include <cstdio>
#include <utility>

#include "platform/linux/qt/QtText.h"

namespace vs {

SaverProcess::SaverProcess(std::string program, std::function<void(int)> ended)
    : program_(std::move(program)), ended_(std::move(ended)) {
  // The saver's messages go where the launcher's go.
  process_.setProcessChannelMode(QProcess::ForwardedChannels);
  QObject::connect(&process_, &QProcess::finished, [this](int status, QProcess::ExitStatus how) {
    ended_(how == QProcess::NormalExit ? status : 128);
  });
}

bool SaverProcess::Start() {
  process_.start(ToQString(program_), {QStringLiteral("/s")});
  if (process_.waitForStarted()) return true;
  std::fprintf(stderr, "vostramel-saver-idle: cannot start %s: %s\n", program_.c_str(),
               ToStdString(process_.errorString()).c_str());
  return false;
}

std::string FindSaverProgram(const std::string& programDirectory) {
  for (const char* place : {"/VostramelSaver.scr", "/../lib/vostramel-saver/VostramelSaver.scr"}) {
    const std::string path = programDirectory + place;
    if (access(path.c_str(), X_OK) == 0) return path;
  }
  return {};
}

}  // namespace vs
