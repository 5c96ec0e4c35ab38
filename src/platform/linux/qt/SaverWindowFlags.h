#pragma once

#include <Qt>

namespace vs {

// Borderless and above everything. On X the window manager leaves it alone
// (override-redirect, as X screen savers do): it neither moves it nor hides
// it on another virtual desktop.
inline constexpr Qt::WindowFlags kSaverWindowFlags = Qt::Window | Qt::FramelessWindowHint |
                                                     Qt::WindowStaysOnTopHint |
                                                     Qt::X11BypassWindowManagerHint;

}  // namespace vs
