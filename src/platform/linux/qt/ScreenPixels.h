#pragma once

#include <QSize>

class QScreen;

namespace vs {

// The size of `screen` in device pixels. At a fractional scale Qt rounds the
// logical size, so that times the ratio can miss by a pixel: on X the size
// comes from the RandR monitor itself.
QSize DevicePixelSize(const QScreen& screen);

}  // namespace vs
