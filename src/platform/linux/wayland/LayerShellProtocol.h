#pragma once

// The layer shell's generated client code, for C++: one of its arguments is
// called "namespace".
#define namespace layer_namespace
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace
