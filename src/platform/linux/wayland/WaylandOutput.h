#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "platform/linux/wayland/SurfaceScale.h"

struct wl_output;
struct zxdg_output_manager_v1;
struct zxdg_output_v1;

namespace vs {

// One of the compositor's outputs: where it lies in the layout and how many
// device pixels it shows.
class WaylandOutput {
 public:
  // `output` is bound at version 2 or 3; `changed` runs after every
  // complete description the compositor sends.
  WaylandOutput(std::uint32_t name, wl_output* output, std::function<void(WaylandOutput&)> changed);
  ~WaylandOutput();
  WaylandOutput(const WaylandOutput&) = delete;
  WaylandOutput& operator=(const WaylandOutput&) = delete;

  // The logical place and size, from xdg-output: wl_output's own position is
  // 0,0 on wlroots whatever the layout.
  void Describe(zxdg_output_manager_v1* manager);

  std::uint32_t Name() const { return name_; }
  wl_output* Output() const { return output_; }
  // Described at least once.
  bool Ready() const { return ready_; }
  std::pair<int, int> Origin() const { return {x_, y_}; }
  // The current mode, turned as the output shows it.
  PixelSize Pixels() const;
  int Scale() const { return scale_; }

 private:
  struct Listeners;

  std::uint32_t name_;
  wl_output* output_;
  zxdg_output_v1* xdgOutput_ = nullptr;
  std::function<void(WaylandOutput&)> changed_;
  bool ready_ = false;
  int x_ = 0, y_ = 0;
  int modeWidth_ = 0, modeHeight_ = 0;
  bool turned_ = false;
  int scale_ = 1;
};

}  // namespace vs
