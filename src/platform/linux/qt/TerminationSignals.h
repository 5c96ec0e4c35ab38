#pragma once

#include <functional>

namespace vs {

// Turns SIGTERM, SIGINT and SIGHUP into a call of `onSignal` on the UI
// thread: the host closing the saver, handled like the system closing the
// window.
void RouteTerminationSignals(std::function<void()> onSignal);

}  // namespace vs
