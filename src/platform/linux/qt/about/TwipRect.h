#pragma once

#include <QRect>

namespace vs::about {

// Design geometry is in twips; Qt lays out in device-independent pixels.
constexpr int kTwipsPerPixel = 15;

inline QRect TwipRect(int left, int top, int width, int height) {
  return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
          height / kTwipsPerPixel};
}

}  // namespace vs::about
