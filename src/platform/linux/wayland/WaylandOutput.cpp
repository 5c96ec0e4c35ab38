#include "platform/linux/wayland/WaylandOutput.h"

#include <wayland-client-protocol.h>

#include <cstdint>

#include "xdg-output-unstable-v1-client-protocol.h"

namespace vs {

struct WaylandOutput::Listeners {
  static void Geometry(void* data, wl_output*, int32_t x, int32_t y, int32_t, int32_t, int32_t,
                       const char*, const char*, int32_t transform) {
    auto* self = static_cast<WaylandOutput*>(data);
    if (self->xdgOutput_ == nullptr) {
      self->x_ = x;
      self->y_ = y;
    }
    // 90 and 270 degrees, flipped or not.
    self->turned_ = (transform & 1) != 0;
  }
  static void Mode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t) {
    if ((flags & WL_OUTPUT_MODE_CURRENT) == 0) return;
    auto* self = static_cast<WaylandOutput*>(data);
    self->modeWidth_ = width;
    self->modeHeight_ = height;
  }
  static void Done(void* data, wl_output*) {
    auto* self = static_cast<WaylandOutput*>(data);
    self->ready_ = true;
    self->changed_(*self);
  }
  static void Scale(void* data, wl_output*, int32_t factor) {
    static_cast<WaylandOutput*>(data)->scale_ = factor;
  }
  static void Name(void*, wl_output*, const char*) {}
  static void Description(void*, wl_output*, const char*) {}

  static void LogicalPosition(void* data, zxdg_output_v1*, int32_t x, int32_t y) {
    auto* self = static_cast<WaylandOutput*>(data);
    self->x_ = x;
    self->y_ = y;
  }
  static void LogicalSize(void*, zxdg_output_v1*, int32_t, int32_t) {}
  // Before version 3 of xdg-output, its changes end here rather than in wl_output.done.
  static void XdgDone(void* data, zxdg_output_v1*) {
    auto* self = static_cast<WaylandOutput*>(data);
    if (self->ready_) self->changed_(*self);
  }
  static void XdgName(void*, zxdg_output_v1*, const char*) {}
  static void XdgDescription(void*, zxdg_output_v1*, const char*) {}

  static constexpr wl_output_listener kOutput{Geometry, Mode, Done, Scale, Name, Description};
  static constexpr zxdg_output_v1_listener kXdgOutput{LogicalPosition, LogicalSize, XdgDone,
                                                      XdgName, XdgDescription};
};

WaylandOutput::WaylandOutput(std::uint32_t name, wl_output* output,
                             std::function<void(WaylandOutput&)> changed)
    : name_(name), output_(output), changed_(std::move(changed)) {
  wl_output_add_listener(output_, &Listeners::kOutput, this);
}

WaylandOutput::~WaylandOutput() {
  if (xdgOutput_ != nullptr) zxdg_output_v1_destroy(xdgOutput_);
  if (wl_output_get_version(output_) >= WL_OUTPUT_RELEASE_SINCE_VERSION) {
    wl_output_release(output_);
  } else {
    wl_output_destroy(output_);
  }
}

void WaylandOutput::Describe(zxdg_output_manager_v1* manager) {
  if (manager == nullptr || xdgOutput_ != nullptr) return;
  xdgOutput_ = zxdg_output_manager_v1_get_xdg_output(manager, output_);
  zxdg_output_v1_add_listener(xdgOutput_, &Listeners::kXdgOutput, this);
}

PixelSize WaylandOutput::Pixels() const {
  return turned_ ? PixelSize{modeHeight_, modeWidth_} : PixelSize{modeWidth_, modeHeight_};
}

}  // namespace vs
