#pragma once

#include <QRect>

#include "platform/design/Design.h"

namespace vs::about {

// Qt lays out in device-independent pixels.
constexpr int kTwipsPerPixel = 15;

inline QRect ToPixels(const design::TwipRect& rect) {
  return {rect.left / kTwipsPerPixel, rect.top / kTwipsPerPixel, rect.width / kTwipsPerPixel,
          rect.height / kTwipsPerPixel};
}

}  // namespace vs::about
