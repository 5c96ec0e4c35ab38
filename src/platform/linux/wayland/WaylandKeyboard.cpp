#include "platform/linux/wayland/WaylandKeyboard.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client-protocol.h>

#include <Qt>
#include <cstdint>

namespace vs {
namespace {

// Wayland's key codes are evdev's; xkb's are X's, 8 higher.
constexpr std::uint32_t kXkbOffset = 8;

// A key that types a character by that character in upper case, as the
// toolkit names letters and digits; any other by its keysym (the form's
// handlers do not look at which key it was).
int KeyCode(xkb_keysym_t keysym) {
  const std::uint32_t character = xkb_keysym_to_utf32(xkb_keysym_to_upper(keysym));
  return static_cast<int>(character != 0 ? character : keysym);
}

}  // namespace

struct WaylandKeyboard::Listeners {
  static void Keymap(void* data, wl_keyboard*, std::uint32_t format, int fd, std::uint32_t size) {
    auto* self = static_cast<WaylandKeyboard*>(data);
    void* text = MAP_FAILED;
    if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1) {
      text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    }
    close(fd);
    if (text == MAP_FAILED) return;
    xkb_keymap* keymap =
        xkb_keymap_new_from_string(self->context_, static_cast<const char*>(text),
                                   XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    munmap(text, size);
    // Keys still end the saver under a keymap that cannot be read, as unnamed keys.
    if (keymap == nullptr) return;
    xkb_state_unref(self->state_);
    xkb_keymap_unref(self->keymap_);
    self->keymap_ = keymap;
    self->state_ = xkb_state_new(keymap);
  }
  static void Enter(void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {}
  static void Leave(void*, wl_keyboard*, std::uint32_t, wl_surface*) {}
  static void Key(void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t key,
                  std::uint32_t state) {
    static_cast<WaylandKeyboard*>(data)->Key(key + kXkbOffset,
                                             state == WL_KEYBOARD_KEY_STATE_PRESSED);
  }
  static void Modifiers(void* data, wl_keyboard*, std::uint32_t, std::uint32_t depressed,
                        std::uint32_t latched, std::uint32_t locked, std::uint32_t group) {
    auto* self = static_cast<WaylandKeyboard*>(data);
    if (self->state_ != nullptr) {
      xkb_state_update_mask(self->state_, depressed, latched, locked, 0, 0, group);
    }
  }
  static void RepeatInfo(void*, wl_keyboard*, std::int32_t, std::int32_t) {}

  static constexpr wl_keyboard_listener kKeyboard{Keymap, Enter, Leave, Key, Modifiers, RepeatInfo};
};

WaylandKeyboard::WaylandKeyboard(wl_keyboard* keyboard, SeatEvents& events)
    : keyboard_(keyboard), events_(events), context_(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {
  wl_keyboard_add_listener(keyboard_, &Listeners::kKeyboard, this);
}

WaylandKeyboard::~WaylandKeyboard() {
  wl_keyboard_destroy(keyboard_);
  xkb_state_unref(state_);
  xkb_keymap_unref(keymap_);
  xkb_context_unref(context_);
}

int WaylandKeyboard::Shift() const {
  if (state_ == nullptr) return 0;
  const auto active = [this](const char* name) {
    return xkb_state_mod_name_is_active(state_, name, XKB_STATE_MODS_EFFECTIVE) > 0;
  };
  int shift = 0;
  if (active(XKB_MOD_NAME_SHIFT)) shift |= Qt::ShiftModifier;
  if (active(XKB_MOD_NAME_CTRL)) shift |= Qt::ControlModifier;
  if (active(XKB_MOD_NAME_ALT)) shift |= Qt::AltModifier;
  if (active(XKB_MOD_NAME_LOGO)) shift |= Qt::MetaModifier;
  return shift;
}

void WaylandKeyboard::Key(std::uint32_t code, bool pressed) {
  events_.InputArrived();
  const xkb_keysym_t keysym =
      state_ != nullptr ? xkb_state_key_get_one_sym(state_, code) : XKB_KEY_NoSymbol;
  if (!pressed) {
    events_.KeyUp(KeyCode(keysym), Shift());
    return;
  }
  events_.KeyDown(KeyCode(keysym), Shift());
  const std::uint32_t character = state_ != nullptr ? xkb_state_key_get_utf32(state_, code) : 0;
  if (character != 0) events_.KeyPress(static_cast<int>(character));
}

}  // namespace vs
