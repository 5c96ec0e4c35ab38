#pragma once

#include <functional>
#include <string>

namespace vs {

// What an idle source reports: the session idle for the idle time, input
// after that, and the end of the source (the one line to print).
struct IdleCallbacks {
  std::function<void()> idle;
  std::function<void()> active;
  std::function<void(const std::string&)> lost;
};

}  // namespace vs
