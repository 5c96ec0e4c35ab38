#pragma once

#include <string>

namespace vs {

// The display server the program talks to, chosen before the toolkit starts.
struct DisplayChoice {
  // WAYLAND_DISPLAY names a compositor that answers: the saver covers its
  // outputs itself rather than through toolkit windows.
  bool wayland = false;
  // The toolkit platform to start when the user chose none.
  std::string toolkitPlatform;
  // Empty when the program can start; otherwise one plain line saying why
  // not, as the toolkit itself would abort with a paragraph about plugins.
  std::string problem;
};

// A Wayland session first, then X. A QT_QPA_PLATFORM that names neither
// (offscreen tests) needs no display.
DisplayChoice ChooseDisplay();

}  // namespace vs
