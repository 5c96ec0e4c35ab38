#include "platform/events/RunDeliveringEvents.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

#include "core/RuntimeFailure.h"

namespace vs {
namespace {

// An event loop of a queue: what any window system's offers the runner.
class QueueLoop : public EventWait {
 public:
  void Post(std::function<void()> event) {
    const std::lock_guard<std::mutex> lock(mutex_);
    events_.push_back(std::move(event));
    wake_.notify_all();
  }

  void DeliverOrWait(std::chrono::milliseconds limit) override {
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait_for(lock, limit, [&] { return woken_ || !events_.empty(); });
    woken_ = false;
    std::deque<std::function<void()>> due;
    due.swap(events_);
    lock.unlock();
    for (auto& event : due) event();
  }

  void WakeUp() override {
    const std::lock_guard<std::mutex> lock(mutex_);
    woken_ = true;
    wake_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> events_;
  bool woken_ = false;
};

TEST(RunDeliveringEvents, AJobThatNeverAnswersIsGivenUpWhileEventsKeepComingAndLeftToItself) {
  auto loop = std::make_unique<QueueLoop>();
  int delivered = 0;
  loop->Post([&] { ++delivered; });
  // The worker outlives the call: it may only touch what it owns.
  auto answer = std::make_shared<std::promise<void>>();
  auto late = std::make_shared<std::atomic<bool>>(false);
  std::shared_future<void> answered = answer->get_future().share();
  try {
    RunDeliveringEvents(
        *loop, [answered, late](const SignOfLife&) { answered.wait(), *late = true; },
        std::chrono::milliseconds(50), "The share does not answer");
    FAIL() << "no failure";
  } catch (const RuntimeFailure& failure) {
    EXPECT_STREQ(failure.what(), "The share does not answer");
  }
  EXPECT_EQ(delivered, 1);
  // The share answers after all, once the waiting loop is gone.
  loop.reset();
  answer->set_value();
  while (!*late) std::this_thread::yield();
}

TEST(RunDeliveringEvents, AJobThatKeepsGivingSignsOfLifeMayTakeLongerThanTheStall) {
  QueueLoop loop;
  const auto slow = [](const SignOfLife& alive) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    while (std::chrono::steady_clock::now() < end) {
      alive();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  };
  EXPECT_NO_THROW(RunDeliveringEvents(loop, slow, std::chrono::milliseconds(100), "overdue"));
  EXPECT_THROW(RunDeliveringEvents(
                   loop, [](const SignOfLife&) { throw RuntimeFailure("Cannot play"); },
                   std::chrono::minutes(1), "overdue"),
               RuntimeFailure);
}

}  // namespace
}  // namespace vs
