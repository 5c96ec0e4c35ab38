#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vs {

struct IdleOptions {
  std::int32_t idleMilliseconds = 10 * 60 * 1000;
  bool help = false;
  // Set when the arguments cannot be used: the line to print.
  std::string error;
};

// "--minutes N" (1 to 1440, default 10), "--seconds N" (1 to 86400, for
// tests), "--help"; the arguments without the program's name.
IdleOptions ReadIdleOptions(const std::vector<std::string>& arguments);

}  // namespace vs
