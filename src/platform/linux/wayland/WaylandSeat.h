#pragma once

#include <memory>

#include "platform/linux/wayland/SeatEvents.h"
#include "platform/linux/wayland/WaylandKeyboard.h"
#include "platform/linux/wayland/WaylandPointer.h"

struct wl_seat;

namespace vs {

// The keyboard and the pointer of a seat, as the seat gains and loses them.
class WaylandSeat {
 public:
  WaylandSeat(wl_seat* seat, SeatEvents& events);
  WaylandSeat(const WaylandSeat&) = delete;
  WaylandSeat& operator=(const WaylandSeat&) = delete;

  void HideCursor() {
    if (pointer_) pointer_->HideCursor();
  }

 private:
  struct Listeners;

  SeatEvents& events_;
  std::unique_ptr<WaylandKeyboard> keyboard_;
  std::unique_ptr<WaylandPointer> pointer_;
};

}  // namespace vs
