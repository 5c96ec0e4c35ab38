#pragma once

#include <chrono>

namespace vs {

// What a platform's event loop lends to work done beside it.
class EventWait {
 public:
  virtual ~EventWait() = default;

  // Delivers the pending events; when there are none, sleeps until one
  // arrives, WakeUp() is called or `limit` has passed.
  virtual void DeliverOrWait(std::chrono::milliseconds limit) = 0;
  // Ends a sleep of DeliverOrWait; callable from any thread.
  virtual void WakeUp() = 0;
};

}  // namespace vs
