#include "platform/linux/wayland/LayerSurface.h"

#include <wayland-client-protocol.h>

#include <cstdint>
#include <limits>

#include "fractional-scale-v1-client-protocol.h"
#include "platform/linux/wayland/LayerShellProtocol.h"
#include "viewporter-client-protocol.h"

namespace vs {

struct LayerSurface::Listeners {
  static void Configure(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial,
                        std::uint32_t width, std::uint32_t height) {
    auto* self = static_cast<LayerSurface*>(data);
    zwlr_layer_surface_v1_ack_configure(layer, serial);
    self->logical_ = {static_cast<int>(width), static_cast<int>(height)};
    self->configured_ = true;
    self->Repaint();
  }
  static void Closed(void* data, zwlr_layer_surface_v1*) {
    static_cast<LayerSurface*>(data)->closed_();
  }
  static void PreferredScale(void* data, wp_fractional_scale_v1*, std::uint32_t scale) {
    auto* self = static_cast<LayerSurface*>(data);
    self->preferred120_ = static_cast<int>(scale);
    self->Repaint();
  }

  static constexpr zwlr_layer_surface_v1_listener kLayer{Configure, Closed};
  static constexpr wp_fractional_scale_v1_listener kFractionalScale{PreferredScale};
};

LayerSurface::LayerSurface(const WaylandGlobals& globals, WaylandOutput& output, Paint paint,
                           std::function<void()> closed)
    : globals_(globals),
      output_(output),
      paint_(std::move(paint)),
      closed_(std::move(closed)),
      buffers_(globals.shm,
               [this] {
                 if (waiting_) Repaint();
               }),
      surface_(wl_compositor_create_surface(globals.compositor)) {
  if (globals.viewporter != nullptr) {
    viewport_ = wp_viewporter_get_viewport(globals.viewporter, surface_);
  }
  if (globals.fractionalScale != nullptr) {
    fractionalScale_ =
        wp_fractional_scale_manager_v1_get_fractional_scale(globals.fractionalScale, surface_);
    wp_fractional_scale_v1_add_listener(fractionalScale_, &Listeners::kFractionalScale, this);
  }
  layer_ =
      zwlr_layer_shell_v1_get_layer_surface(globals.layerShell, surface_, output.Output(),
                                            ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "vostramel-saver");
  zwlr_layer_surface_v1_set_anchor(
      layer_, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                  ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
  // Over panels and docks too, rather than beside them.
  zwlr_layer_surface_v1_set_exclusive_zone(layer_, -1);
  // Before version 4 the same value means "true".
  zwlr_layer_surface_v1_set_keyboard_interactivity(
      layer_, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE);
  zwlr_layer_surface_v1_add_listener(layer_, &Listeners::kLayer, this);
  // Without a buffer: the compositor answers with the size to draw.
  wl_surface_commit(surface_);
}

LayerSurface::~LayerSurface() {
  zwlr_layer_surface_v1_destroy(layer_);
  if (fractionalScale_ != nullptr) wp_fractional_scale_v1_destroy(fractionalScale_);
  if (viewport_ != nullptr) wp_viewport_destroy(viewport_);
  wl_surface_destroy(surface_);
}

SurfaceScale LayerSurface::Scale() const {
  return ChooseSurfaceScale(logical_, output_.Pixels(), output_.Scale(), preferred120_,
                            viewport_ != nullptr);
}

OutputPlace LayerSurface::Place() const {
  const auto [x, y] = output_.Origin();
  if (!configured_ || logical_.width <= 0 || logical_.height <= 0) {
    return {x, y, double(output_.Scale()), double(output_.Scale())};
  }
  const PixelSize pixels = Scale().buffer;
  return {x, y, double(pixels.width) / logical_.width, double(pixels.height) / logical_.height};
}

void LayerSurface::Repaint() {
  if (!configured_) return;
  const SurfaceScale scale = Scale();
  ShmBuffers::Buffer* buffer = buffers_.Take(scale.buffer);
  waiting_ = buffer == nullptr;
  if (buffer == nullptr) return;
  paint_(buffer->frame);
  if (wl_surface_get_version(surface_) >= WL_SURFACE_SET_BUFFER_SCALE_SINCE_VERSION) {
    wl_surface_set_buffer_scale(surface_, scale.bufferScale);
  }
  if (viewport_ != nullptr) {
    if (scale.viewport) {
      wp_viewport_set_destination(viewport_, logical_.width, logical_.height);
    } else {
      wp_viewport_set_destination(viewport_, -1, -1);
    }
  }
  wl_surface_attach(surface_, buffer->buffer, 0, 0);
  constexpr int kAll = std::numeric_limits<std::int32_t>::max();
  if (wl_surface_get_version(surface_) >= WL_SURFACE_DAMAGE_BUFFER_SINCE_VERSION) {
    wl_surface_damage_buffer(surface_, 0, 0, kAll, kAll);
  } else {
    wl_surface_damage(surface_, 0, 0, kAll, kAll);
  }
  wl_surface_commit(surface_);
}

}  // namespace vs
