#pragma once

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <string>

namespace vs {

// Writes the failure report of a failure that escaped the event handler
// `handler` and ends the program.
using HandlerFailureReport =
    std::function<void(const std::string& handler, const std::string& description)>;

namespace dispatch {

inline HandlerFailureReport& Report() {
  static HandlerFailureReport report;
  return report;
}

// True while a dispatched handler runs below the innermost event loop.
inline bool& HandlerRunning() {
  static bool running = false;
  return running;
}

[[noreturn]] inline void Fail(const char* handler, const char* description) noexcept {
  try {
    if (Report()) Report()(handler, description);
  } catch (...) {
  }
  // Only without a report, or when the report itself failed: still not silent.
  // stderr is unbuffered; flushing other streams could wait on a worker.
  std::fprintf(stderr, "Error out in %s\n%s\n", handler, description);
  std::_Exit(EXIT_FAILURE);
}

}  // namespace dispatch

// Sets what a failure that escapes an event handler does; the program's main
// wires it to the logic's report.
inline void OnHandlerFailure(HandlerFailureReport report) {
  dispatch::Report() = std::move(report);
}

// While alive, events are delivered from a nested event loop (pending events
// pumped, a modal dialog): the handlers it runs are entered afresh.
class EventLoopLevel {
 public:
  EventLoopLevel() : outer_(dispatch::HandlerRunning()) { dispatch::HandlerRunning() = false; }
  ~EventLoopLevel() { dispatch::HandlerRunning() = outer_; }
  EventLoopLevel(const EventLoopLevel&) = delete;
  EventLoopLevel& operator=(const EventLoopLevel&) = delete;

 private:
  bool outer_;
};

// Runs the event handler `name` from an event that only the event loop
// delivers (input, a timer, a close). Nothing may unwind through the toolkit or
// the window system: a failure escaping it is reported and ends the program.
template <typename Handler>
void Dispatch(const char* name, Handler&& handler) {
  const bool outer = dispatch::HandlerRunning();
  dispatch::HandlerRunning() = true;
  try {
    handler();
  } catch (const std::exception& failure) {
    dispatch::Fail(name, failure.what());
  } catch (...) {
    dispatch::Fail(name, "Unknown failure");
  }
  dispatch::HandlerRunning() = outer;
}

// A callback that raises the event handler `handler` of `events` from an event
// that only the event loop delivers.
template <typename Events, typename... Args>
auto Raiser(const char* name, Events& events, void (Events::*handler)(Args...)) {
  return [name, &events, handler](Args... args) {
    Dispatch(name, [&] { (events.*handler)(args...); });
  };
}

// A callback for a control's signal or notification, raising the event
// handler `handler` of `events`. A running handler's own call (a list filled, a
// value set) also emits it: then its failure is that handler's, which may
// guard itself.
template <typename Events>
auto Slot(const char* name, Events& events, void (Events::*handler)()) {
  return [name, &events, handler] {
    if (dispatch::HandlerRunning()) {
      (events.*handler)();
    } else {
      Dispatch(name, [&] { (events.*handler)(); });
    }
  };
}

}  // namespace vs
