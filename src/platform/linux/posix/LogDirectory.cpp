#include "platform/linux/posix/LogDirectory.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/posix/XdgDirectory.h"

namespace vs {
namespace {

// Each missing folder on the way gets mode 0700, as the XDG rules ask.
void CreateFolders(const std::string& path) {
  for (std::string::size_type slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    ::mkdir(path.substr(0, slash).c_str(), 0700);
    if (slash == std::string::npos) return;
  }
}

}  // namespace

std::string LogDirectory(const std::string& programDirectory) {
  if (::access(programDirectory.c_str(), W_OK) == 0) return programDirectory;
  const std::string state = XdgDirectory("XDG_STATE_HOME", ".local/state");
  CreateFolders(state);
  return state;
}

}  // namespace vs
