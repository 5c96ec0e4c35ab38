#include "platform/linux/idle/LauncherLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace vs {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

std::string LockLauncher() {
  std::string display = Environment("WAYLAND_DISPLAY");
  if (display.empty()) display = Environment("DISPLAY");
  for (char& c : display) {
    if (c == '/') c = '_';
  }
  std::string folder = Environment("XDG_RUNTIME_DIR");
  if (folder.empty()) folder = "/tmp";
  const std::string path = folder + "/vostramel-saver-idle-" + std::to_string(getuid()) + "-" +
                           display + ".lock";
  // Kept open, and so locked, for the rest of the run.
  const int file = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (file < 0) return "cannot open " + path + ": " + std::strerror(errno);
  if (flock(file, LOCK_EX | LOCK_NB) == 0) return {};
  close(file);
  return "another idle launcher is already running for this display";
}

}  // namespace vs
