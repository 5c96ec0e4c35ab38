#pragma once

#include <xcb/xcb.h>

namespace vs {

// The application's X connection, or null on another windowing system.
xcb_connection_t* XcbConnection();

// The root window of the connection's first screen.
xcb_window_t XcbRoot(xcb_connection_t* connection);

}  // namespace vs
