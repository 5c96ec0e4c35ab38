#include "FakeApplication.h"

namespace vs::fake {

void FakeApplication::DoEvents() {
  ++doEventsCalls;
  std::deque<std::function<void()>> events;
  events.swap(pending_);
  for (auto& event : events) event();
}

void FakeApplication::End() {
  ended = true;
  if (onEnd) onEnd();
  throw ProgramEnded{};
}

bool FakeApplication::GetInputState() {
  const bool waiting = inputWaiting;
  inputWaiting = false;
  return waiting;
}

}  // namespace vs::fake
