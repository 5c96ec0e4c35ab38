#include "platform/linux/wayland/PaintFrame.h"

#include <algorithm>
#include <cstring>

namespace vs {

void PaintFrame(const Frame& frame, const DecodedPicture* picture, BoxPlace box) {
  for (int y = 0; y < frame.height; ++y) {
    std::fill_n(frame.pixels + static_cast<std::ptrdiff_t>(y) * frame.stride, frame.width, 0u);
  }
  if (picture == nullptr || picture->pixels.empty()) return;
  // In frame coordinates: the part of the frame where the box shows picture.
  const int left = std::max(box.left, 0);
  const int top = std::max(box.top, 0);
  const int right = std::min(box.left + std::min(box.width, picture->visibleWidth), frame.width);
  const int bottom = std::min(box.top + std::min(box.height, picture->visibleHeight), frame.height);
  for (int y = top; y < bottom; ++y) {
    const std::uint32_t* from = picture->pixels.data() +
                                static_cast<std::ptrdiff_t>(y - box.top) * picture->visibleWidth +
                                (left - box.left);
    std::uint32_t* to = frame.pixels + static_cast<std::ptrdiff_t>(y) * frame.stride + left;
    if (right > left) std::memcpy(to, from, static_cast<std::size_t>(right - left) * 4);
  }
}

}  // namespace vs
