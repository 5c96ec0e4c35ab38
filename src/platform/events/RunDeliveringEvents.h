#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "platform/events/EventWait.h"

namespace vs {

// Runs `job` on a worker thread while this (the user-interface) thread keeps
// delivering its events, and returns when the job is done; the job's failure
// is rethrown here. A handler run meanwhile may end the program without
// waiting for the job.
void RunDeliveringEvents(EventWait& events, const std::function<void()>& job);

// The job calls it from its worker whenever it gets on.
using SignOfLife = std::function<void()>;

// The same for a job that may never return (a file on a share that stopped
// answering): once the job has gone `stall` without a sign of life, this
// throws RuntimeFailure with `overdue` and leaves the worker to finish, or
// hang, on its own. So the job must own everything it touches.
void RunDeliveringEvents(EventWait& events, std::function<void(const SignOfLife&)> job,
                         std::chrono::milliseconds stall, const std::string& overdue);

}  // namespace vs
