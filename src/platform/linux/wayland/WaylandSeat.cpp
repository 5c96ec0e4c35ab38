#include "platform/linux/wayland/WaylandSeat.h"

#include <wayland-client-protocol.h>

#include <cstdint>

namespace vs {

struct WaylandSeat::Listeners {
  static void Capabilities(void* data, wl_seat* seat, std::uint32_t capabilities) {
    auto* self = static_cast<WaylandSeat*>(data);
    const bool keyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
    const bool pointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
    if (keyboard && !self->keyboard_) {
      self->keyboard_ =
          std::make_unique<WaylandKeyboard>(wl_seat_get_keyboard(seat), self->events_);
    } else if (!keyboard) {
      self->keyboard_.reset();
    }
    if (pointer && !self->pointer_) {
      self->pointer_ = std::make_unique<WaylandPointer>(
          wl_seat_get_pointer(seat), self->events_,
          [self] { return self->keyboard_ ? self->keyboard_->Shift() : 0; });
    } else if (!pointer) {
      self->pointer_.reset();
    }
  }
  static void Name(void*, wl_seat*, const char*) {}

  static constexpr wl_seat_listener kSeat{Capabilities, Name};
};

WaylandSeat::WaylandSeat(wl_seat* seat, SeatEvents& events) : events_(events) {
  wl_seat_add_listener(seat, &Listeners::kSeat, this);
}

}  // namespace vs
