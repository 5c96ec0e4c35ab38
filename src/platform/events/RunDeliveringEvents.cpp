#include "platform/events/RunDeliveringEvents.h"

#include <atomic>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "core/RuntimeFailure.h"
#include "platform/events/Dispatch.h"

namespace vs {
namespace {

using Clock = std::chrono::steady_clock;

// What the worker and the waiting thread share; the worker's copy keeps it
// alive after an abandoned wait.
struct JobState {
  std::mutex mutex;
  bool done = false;
  bool abandoned = false;
  std::exception_ptr failure;
  EventWait* events = nullptr;
  std::atomic<Clock::rep> lastSign{Clock::now().time_since_epoch().count()};
};

std::thread StartWorker(const std::shared_ptr<JobState>& state, std::function<void()> job) {
  return std::thread([state, job = std::move(job)] {
    std::exception_ptr failure;
    try {
      job();
    } catch (...) {
      failure = std::current_exception();
    }
    const std::lock_guard<std::mutex> lock(state->mutex);
    state->failure = failure;
    state->done = true;
    if (!state->abandoned) state->events->WakeUp();
  });
}

bool Done(JobState& state) {
  const std::lock_guard<std::mutex> lock(state.mutex);
  return state.done;
}

// Delivers events until the job is done, or has gone `stall` without a sign
// of life; true when it is done.
bool DeliverUntilDone(JobState& state, std::optional<std::chrono::milliseconds> stall) {
  const EventLoopLevel level;
  // Long enough to cost nothing, short enough that nothing hangs on a lost wake-up.
  constexpr std::chrono::milliseconds kLongestWait{1000};
  while (!Done(state)) {
    auto wait = kLongestWait;
    if (stall) {
      const Clock::time_point deadline =
          Clock::time_point(Clock::duration(state.lastSign.load())) + *stall;
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
      if (left.count() <= 0) return false;
      if (left < wait) wait = left;
    }
    state.events->DeliverOrWait(wait);
  }
  return true;
}

}  // namespace

void RunDeliveringEvents(EventWait& events, const std::function<void()>& job) {
  auto state = std::make_shared<JobState>();
  state->events = &events;
  std::thread worker = StartWorker(state, job);
  try {
    DeliverUntilDone(*state, std::nullopt);
  } catch (...) {
    // Only a test's end escapes a handler; the job is ours to finish first.
    worker.join();
    throw;
  }
  worker.join();
  if (state->failure) std::rethrow_exception(state->failure);
}

void RunDeliveringEvents(EventWait& events, std::function<void(const SignOfLife&)> job,
                         std::chrono::milliseconds stall, const std::string& overdue) {
  auto state = std::make_shared<JobState>();
  state->events = &events;
  SignOfLife alive = [state] { state->lastSign = Clock::now().time_since_epoch().count(); };
  std::thread worker = StartWorker(state, [job = std::move(job), alive] { job(alive); });
  const auto abandon = [&] {
    {
      const std::lock_guard<std::mutex> lock(state->mutex);
      state->abandoned = true;
    }
    worker.detach();
  };
  bool done = false;
  try {
    done = DeliverUntilDone(*state, stall);
  } catch (...) {
    abandon();
    throw;
  }
  if (!done) {
    abandon();
    throw RuntimeFailure(overdue);
  }
  worker.join();
  if (state->failure) std::rethrow_exception(state->failure);
}

}  // namespace vs
