#pragma once

#include <cstdio>
#include <cstdlib>

namespace vs::fuzz {

// libFuzzer saves the input that broke a promise when the process aborts.
inline void Require(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "Broken promise: %s\n", promise);
  std::abort();
}

}  // namespace vs::fuzz
