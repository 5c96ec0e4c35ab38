#pragma once

#include <Qt>

namespace vs {

// Borderless and above everything. On X the window manager leaves it alone
// (override-redirect, as X screen savers do): it neither moves it nor hides
// it on another virtual desktop.
inline constexpr Qt::WindowFlags kSaverWindowFlags = Qt::Window | Qt::FramelessWindowHint |
                                                     Qt::WindowStaysOnTopHint |
                                                     Qt::X11BypassWindowManagerHint;

// Inside a screen-saver host's window, which keeps the input: events pass
// through to it. Override-redirect still, for the root window as the host.
inline constexpr Qt::WindowFlags kHostedWindowFlags =
    Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
    Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus;

}  // namespace vs
