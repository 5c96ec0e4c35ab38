#pragma once

struct wl_surface;

namespace vs {

// What the seat's keyboard and pointer tell the saver.
class SeatEvents {
 public:
  virtual ~SeatEvents() = default;

  // `key`: the key's character in upper case, else its keysym; `shift`: the
  // toolkit's modifier bits.
  virtual void KeyDown(int key, int shift) = 0;
  virtual void KeyUp(int key, int shift) = 0;
  // The character a pressed key types, if any.
  virtual void KeyPress(int character) = 0;
  // The pointer entered `surface` or moved over it, at (x, y) in its logical pixels.
  virtual void PointerAt(wl_surface* surface, double x, double y, int shift) = 0;
  virtual void ButtonReleased() = 0;
  // A key or a button went down or up, whatever its handlers do.
  virtual void InputArrived() = 0;
};

}  // namespace vs
