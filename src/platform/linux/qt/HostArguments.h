#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vs {

// Where saver mode draws, as xscreensaver tells the programs it runs.
struct SaverTarget {
  enum class Kind { OwnWindow, Root, Window };
  Kind kind = Kind::OwnWindow;
  std::uint32_t window = 0;  // for Kind::Window
};

struct HostArguments {
  // The arguments left for the mode letters: a window id may hold a "c".
  std::vector<std::string> rest;
  SaverTarget target;
};

// A window id as xscreensaver writes it: decimal or 0x-hex, not 0.
std::optional<std::uint32_t> ParseWindowId(const std::string& text);

// Takes "-window-id ID" and "-root" (or with two dashes) out of `arguments`.
// The window drawn into is the one named by "-window-id", else the one in
// `xscreensaverWindow` (the host's XSCREENSAVER_WINDOW, or null), else the
// root window for "-root"; otherwise the saver opens its own.
HostArguments ReadHostArguments(const std::vector<std::string>& arguments,
                                const char* xscreensaverWindow);

}  // namespace vs
