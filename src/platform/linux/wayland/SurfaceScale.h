#pragma once

namespace vs {

struct PixelSize {
  int width = 0, height = 0;
  bool operator==(const PixelSize& other) const {
    return width == other.width && height == other.height;
  }
};

// How a surface over a whole output is drawn pixel for pixel in that output's
// device pixels.
struct SurfaceScale {
  PixelSize buffer;       // the buffer's size, in device pixels
  int bufferScale = 1;    // for wl_surface.set_buffer_scale
  bool viewport = false;  // the buffer is laid over the surface's logical size by wp_viewporter
};

// `logical`: the surface's size as configured; `outputPixels`: the output's
// current mode as it is shown, or zero when unknown; `outputScale`: its
// integer scale; `preferred120`: the fractional scale the compositor prefers
// for the surface in 120ths, or 0 when it says none; `viewporter`: whether it
// offers wp_viewporter.
SurfaceScale ChooseSurfaceScale(PixelSize logical, PixelSize outputPixels, int outputScale,
                                int preferred120, bool viewporter);

}  // namespace vs
