#pragma once

#include <exception>

#include "platform/Application.h"

namespace vs {

// Runs an event handler from a Qt event. Nothing may unwind through Qt: a
// failure no handler guarded ends the program, as it would have crashed it.
template <typename Handler>
void Dispatch(Application& app, Handler&& handler) {
  try {
    handler();
  } catch (...) {
    app.End();
  }
}

}  // namespace vs
