#include "platform/linux/qt/DisplayChoice.h"

#include <wayland-client-core.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace vs {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

bool WaylandAnswers(const std::string& name) {
  // A relative name lives in XDG_RUNTIME_DIR; without it libwayland would
  // print a line of its own.
  if (name.front() != '/' && std::getenv("XDG_RUNTIME_DIR") == nullptr) return false;
  wl_display* display = wl_display_connect(name.c_str());
  if (display == nullptr) return false;
  wl_display_disconnect(display);
  return true;
}

bool XAnswers(const std::string& name) {
  xcb_connection_t* connection = xcb_connect(name.c_str(), nullptr);
  const bool answers = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answers;
}

std::string Unreached(const char* variable, const std::string& value, const char* what) {
  if (value.empty()) return std::string(variable) + " is not set";
  return std::string("cannot reach ") + what + " \"" + value + "\" (" + variable + ")";
}

}  // namespace

DisplayChoice ChooseDisplay() {
  DisplayChoice choice;
  const std::string platform = Variable("QT_QPA_PLATFORM");
  const bool toolkitChosen = !platform.empty();
  if (toolkitChosen && platform.rfind("xcb", 0) != 0 && platform.rfind("wayland", 0) != 0) {
    return choice;
  }
  const std::string wayland = Variable("WAYLAND_DISPLAY");
  if (!wayland.empty() && WaylandAnswers(wayland)) {
    choice.wayland = true;
    // Xwayland, when there, still serves the dialogs if Qt's Wayland plugin is missing.
    if (!toolkitChosen) choice.toolkitPlatform = "wayland;xcb";
    return choice;
  }
  const std::string x = Variable("DISPLAY");
  if (!x.empty() && XAnswers(x)) {
    if (!toolkitChosen) choice.toolkitPlatform = "xcb";
    return choice;
  }
  choice.problem = "VostramelSaver.scr needs a display: " +
                   Unreached("WAYLAND_DISPLAY", wayland, "the Wayland compositor") + ", and " +
                   Unreached("DISPLAY", x, "the X display");
  return choice;
}

}  // namespace vs
