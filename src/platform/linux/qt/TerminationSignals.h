#pragma once

#include <functional>

namespace vs {

// Turns SIGTERM, SIGINT and SIGHUP into a call of `onSignal` on the UI
// thread: the host closing the saver, handled like the system closing the
// window. A second signal ends the program with status 0 from the signal
// handler itself, whatever the UI thread is doing.
void RouteTerminationSignals(std::function<void()> onSignal);

}  // namespace vs
