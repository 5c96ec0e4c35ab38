#include "platform/linux/wayland/WaylandPointer.h"

#include <wayland-client-protocol.h>

#include <cstdint>

namespace vs {

struct WaylandPointer::Listeners {
  static void Enter(void* data, wl_pointer*, std::uint32_t serial, wl_surface* surface,
                    wl_fixed_t x, wl_fixed_t y) {
    auto* self = static_cast<WaylandPointer*>(data);
    self->over_ = surface;
    self->enterSerial_ = serial;
    self->HideCursor();
    // Coming from another surface, the pointer may have jumped: the compositor
    // tells the new position only here.
    self->events_.PointerAt(surface, wl_fixed_to_double(x), wl_fixed_to_double(y), self->shift_());
  }
  static void Leave(void* data, wl_pointer*, std::uint32_t, wl_surface*) {
    static_cast<WaylandPointer*>(data)->over_ = nullptr;
  }
  static void Motion(void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y) {
    auto* self = static_cast<WaylandPointer*>(data);
    if (self->over_ == nullptr) return;
    self->HideCursor();
    self->events_.PointerAt(self->over_, wl_fixed_to_double(x), wl_fixed_to_double(y),
                            self->shift_());
  }
  static void Button(void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t,
                     std::uint32_t state) {
    auto* self = static_cast<WaylandPointer*>(data);
    self->events_.InputArrived();
    if (state == WL_POINTER_BUTTON_STATE_RELEASED) self->events_.ButtonReleased();
  }
  static void Axis(void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {}
  static void Frame(void*, wl_pointer*) {}
  static void AxisSource(void*, wl_pointer*, std::uint32_t) {}
  static void AxisStop(void*, wl_pointer*, std::uint32_t, std::uint32_t) {}
  static void AxisDiscrete(void*, wl_pointer*, std::uint32_t, std::int32_t) {}
  static void AxisValue120(void*, wl_pointer*, std::uint32_t, std::int32_t) {}

  static constexpr wl_pointer_listener kPointer{
      Enter, Leave, Motion, Button, Axis, Frame, AxisSource, AxisStop, AxisDiscrete, AxisValue120};
};

WaylandPointer::WaylandPointer(wl_pointer* pointer, SeatEvents& events, std::function<int()> shift)
    : pointer_(pointer), events_(events), shift_(std::move(shift)) {
  wl_pointer_add_listener(pointer_, &Listeners::kPointer, this);
}

WaylandPointer::~WaylandPointer() { wl_pointer_destroy(pointer_); }

void WaylandPointer::HideCursor() {
  // No surface: no cursor, for as long as the pointer stays on this one.
  if (over_ != nullptr) wl_pointer_set_cursor(pointer_, enterSerial_, nullptr, 0, 0);
}

}  // namespace vs
