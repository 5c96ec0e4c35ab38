#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/linux/wayland/WaylandOutput.h"

struct wl_compositor;
struct wl_display;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct wp_fractional_scale_manager_v1;
struct wp_viewporter;
struct zwlr_layer_shell_v1;

namespace vs {

// The globals the saver's surfaces use; null where the compositor offers none.
struct WaylandGlobals {
  wl_compositor* compositor = nullptr;
  wl_shm* shm = nullptr;
  wl_seat* seat = nullptr;
  zwlr_layer_shell_v1* layerShell = nullptr;
  wp_viewporter* viewporter = nullptr;
  wp_fractional_scale_manager_v1* fractionalScale = nullptr;
  zxdg_output_manager_v1* xdgOutputs = nullptr;
};

// Binds the compositor's globals as it announces them, and keeps its outputs
// as they come and go. What it announces arrives with the next roundtrip.
class WaylandRegistry {
 public:
  explicit WaylandRegistry(wl_display* display);
  ~WaylandRegistry();
  WaylandRegistry(const WaylandRegistry&) = delete;
  WaylandRegistry& operator=(const WaylandRegistry&) = delete;

  const WaylandGlobals& Globals() const { return globals_; }
  // In the order the compositor announced them.
  const std::vector<std::unique_ptr<WaylandOutput>>& Outputs() const { return outputs_; }
  // An output described, for the first time or again.
  void OnOutputChanged(std::function<void(WaylandOutput&)> changed) {
    changed_ = std::move(changed);
  }
  // An output about to go.
  void OnOutputRemoved(std::function<void(WaylandOutput&)> removed) {
    removed_ = std::move(removed);
  }

 private:
  struct Listeners;

  wl_registry* registry_;
  WaylandGlobals globals_;
  std::vector<std::unique_ptr<WaylandOutput>> outputs_;
  std::function<void(WaylandOutput&)> changed_;
  std::function<void(WaylandOutput&)> removed_;
};

}  // namespace vs
