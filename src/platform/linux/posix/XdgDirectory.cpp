#include "platform/linux/posix/XdgDirectory.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace vs {
namespace {

std::string HomeDirectory() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return home;
  if (const passwd* user = getpwuid(getuid()); user && user->pw_dir) return user->pw_dir;
  return "/tmp";
}

}  // namespace

std::string XdgDirectory(const char* variable, const char* fallback) {
  const char* value = std::getenv(variable);
  if (value != nullptr && value[0] == '/') return value;
  return HomeDirectory() + "/" + fallback;
}

std::string SettingsDirectory() { return XdgDirectory("XDG_CONFIG_HOME", ".config"); }

}  // namespace vs
