#pragma once

#include <cstdint>
#include <functional>

#include "platform/linux/wayland/OutputLayout.h"
#include "platform/linux/wayland/ShmBuffers.h"
#include "platform/linux/wayland/SurfaceScale.h"
#include "platform/linux/wayland/WaylandOutput.h"
#include "platform/linux/wayland/WaylandRegistry.h"

struct wl_surface;
struct wp_fractional_scale_v1;
struct wp_viewport;
struct zwlr_layer_surface_v1;

namespace vs {

// A surface over one whole output, above full-screen windows and panels (the
// layer shell's overlay layer), that keeps the keyboard to itself and draws
// in the output's device pixels.
class LayerSurface {
 public:
  using Paint = std::function<void(const Frame& frame)>;

  // `closed` runs when the compositor takes the surface away; the surface
  // must then be destroyed, but not from within that call.
  LayerSurface(const WaylandGlobals& globals, WaylandOutput& output, Paint paint,
               std::function<void()> closed);
  ~LayerSurface();
  LayerSurface(const LayerSurface&) = delete;
  LayerSurface& operator=(const LayerSurface&) = delete;

  // Draws a new frame now, or as soon as the compositor allows.
  void Repaint();
  wl_surface* Surface() const { return surface_; }
  WaylandOutput& Output() const { return output_; }
  OutputPlace Place() const;

 private:
  struct Listeners;
  SurfaceScale Scale() const;

  const WaylandGlobals& globals_;
  WaylandOutput& output_;
  Paint paint_;
  std::function<void()> closed_;
  ShmBuffers buffers_;
  wl_surface* surface_;
  wp_viewport* viewport_ = nullptr;
  wp_fractional_scale_v1* fractionalScale_ = nullptr;
  zwlr_layer_surface_v1* layer_ = nullptr;
  PixelSize logical_;
  int preferred120_ = 0;
  bool configured_ = false;
  bool waiting_ = false;
};

}  // namespace vs
