#pragma once

#include <stdexcept>

namespace vs {

// A run-time failure that a guarded handler catches; what() is the description
// it writes as the second line of its failure report.
class RuntimeFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace vs
