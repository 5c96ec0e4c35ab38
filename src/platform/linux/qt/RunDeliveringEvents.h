#pragma once

#include <functional>

namespace vs {

// Runs `job` on a worker thread while this (the user-interface) thread keeps
// delivering its events, and returns when the job is done; the job's
// exception is rethrown here. A handler run meanwhile may end the program
// without waiting for the job.
void RunDeliveringEvents(const std::function<void()>& job);

}  // namespace vs
