#include "platform/linux/qt/XDisplayCheck.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace vs {

std::string MissingXDisplay() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform != nullptr && platform[0] != '\0' && std::strncmp(platform, "xcb", 3) != 0) {
    return {};
  }
  const std::string needs = "VostramelSaver.scr needs an X display: ";
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || display[0] == '\0') return needs + "DISPLAY is not set";
  xcb_connection_t* connection = xcb_connect(display, nullptr);
  const bool failed = xcb_connection_has_error(connection) != 0;
  xcb_disconnect(connection);
  if (failed) return needs + "cannot open display \"" + display + "\"";
  return {};
}

}  // namespace vs
