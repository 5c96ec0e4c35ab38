#pragma once

#include <xkbcommon/xkbcommon.h>

#include <cstdint>
#include <memory>

#include "platform/linux/wayland/SeatEvents.h"

struct wl_keyboard;

namespace vs {

// The seat's keyboard, its keys read through the keymap the compositor sends.
class WaylandKeyboard {
 public:
  WaylandKeyboard(wl_keyboard* keyboard, SeatEvents& events);
  ~WaylandKeyboard();
  WaylandKeyboard(const WaylandKeyboard&) = delete;
  WaylandKeyboard& operator=(const WaylandKeyboard&) = delete;

  // The toolkit's modifier bits of the keys held now.
  int Shift() const;

 private:
  struct Listeners;
  void Key(std::uint32_t code, bool pressed);

  wl_keyboard* keyboard_;
  SeatEvents& events_;
  xkb_context* context_;
  xkb_keymap* keymap_ = nullptr;
  xkb_state* state_ = nullptr;
};

}  // namespace vs
