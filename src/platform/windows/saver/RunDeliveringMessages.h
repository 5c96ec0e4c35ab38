#pragma once

#include <functional>

namespace vs {

// Runs `job` on a worker thread while this thread keeps delivering its
// messages; returns when the job is over, passing its failure on.
void RunDeliveringMessages(const std::function<void()>& job);

}  // namespace vs
