#pragma once

class QScreen;
class QWidget;

namespace vs {

// Whether the toolkit draws through a Wayland compositor.
bool OnWayland();

// The monitor the saver form covers: X's primary one; Wayland names no primary
// output, so there the output at the layout's origin, else the first one
// announced. Null without any monitor.
QScreen* FormScreen();

// Before `window` is first shown: a Wayland compositor places and sizes
// windows itself, so the window asks to fill `screen` (if any) in full screen.
void ShowFullScreen(QWidget& window, QScreen* screen);

}  // namespace vs
