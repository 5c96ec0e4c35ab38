#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vs::samples {

using Pixels = std::vector<std::uint32_t>;  // row-major 0xFFRRGGBB

// Fills `row` (width pixels) with row y of a picture.
using RowSource = std::function<void(int y, std::uint32_t* row)>;

// Smooth gradients with noise, which compresses like a photo.
RowSource PhotoRows(int width, int height, unsigned seed);
Pixels PhotoPixels(int width, int height, unsigned seed);
RowSource RowsOf(const Pixels& pixels, int width);

// The top-left width x height part of a picture `stride` pixels wide.
Pixels TopLeft(const Pixels& pixels, int stride, int width, int height);

}  // namespace vs::samples
