#include "platform/linux/wayland/SurfaceScale.h"

#include <algorithm>

namespace vs {
namespace {

// As the fractional-scale protocol asks: halfway away from zero.
int Scaled(int logical, int scale120) { return (logical * scale120 + 60) / 120; }

}  // namespace

SurfaceScale ChooseSurfaceScale(PixelSize logical, PixelSize outputPixels, int outputScale,
                                int preferred120, bool viewporter) {
  if (viewporter && preferred120 > 0) {
    return {{Scaled(logical.width, preferred120), Scaled(logical.height, preferred120)}, 1, true};
  }
  const int scale = std::max(outputScale, 1);
  const PixelSize integer{logical.width * scale, logical.height * scale};
  // A fractional output scale the compositor does not tell surfaces about:
  // it rounds the scale up for them and shrinks what they draw, unless the
  // buffer comes in the output's own pixels and is laid over the surface.
  if (viewporter && outputPixels.width > 0 && outputPixels.height > 0 &&
      !(integer == outputPixels)) {
    return {outputPixels, 1, true};
  }
  return {integer, scale, false};
}

}  // namespace vs
