#pragma once

#include <cstdint>
#include <functional>

#include "platform/linux/wayland/SeatEvents.h"

struct wl_pointer;

namespace vs {

// The seat's pointer, its cursor hidden over every surface of the program.
class WaylandPointer {
 public:
  // `shift`: the keyboard's modifiers at the time of an event.
  WaylandPointer(wl_pointer* pointer, SeatEvents& events, std::function<int()> shift);
  ~WaylandPointer();
  WaylandPointer(const WaylandPointer&) = delete;
  WaylandPointer& operator=(const WaylandPointer&) = delete;

  // Hides the cursor again, when over a surface of the program: sway shows
  // its own when an output comes or its configuration is read again.
  void HideCursor();

 private:
  struct Listeners;

  wl_pointer* pointer_;
  SeatEvents& events_;
  std::function<int()> shift_;
  wl_surface* over_ = nullptr;
  std::uint32_t enterSerial_ = 0;
};

}  // namespace vs
