#pragma once

#include <xcb/xcb.h>

namespace vs {

// The application's X connection, or null on another windowing system.
xcb_connection_t* XcbConnection();

}  // namespace vs
