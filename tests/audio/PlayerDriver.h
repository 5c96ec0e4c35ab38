#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/sdl/SdlMediaPlayer.h"

namespace vs::test {

// Stands in for the UI thread's event queue: the player posts from SDL's audio thread and the
// test's thread runs the tasks, also while the player waits for a file to be read. Declare it
// before the player it serves.
class UiQueue : public EventWait {
 public:
  SdlMediaPlayer::PostToUiThread Poster() {
    return [this](std::function<void()> task) {
      const std::lock_guard<std::mutex> lock(mutex_);
      tasks_.push_back(std::move(task));
      wake_.notify_all();
    };
  }

  void DeliverOrWait(std::chrono::milliseconds limit) override {
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait_for(lock, limit, [&] { return woken_ || !tasks_.empty(); });
      woken_ = false;
    }
    RunPending();
  }

  void WakeUp() override {
    const std::lock_guard<std::mutex> lock(mutex_);
    woken_ = true;
    wake_.notify_all();
  }

  // Runs the tasks posted so far; returns how many ran.
  std::size_t RunPending() {
    std::deque<std::function<void()>> tasks;
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      tasks.swap(tasks_);
    }
    for (const auto& task : tasks) task();
    return tasks.size();
  }

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> tasks_;
  bool woken_ = false;
};

// Polls like the saver does, only faster, running the posted tasks between polls as the UI
// thread would; false if the player still plays after `limit` (a guard against hanging, far
// above any test sound's length).
inline bool PlaysToTheEnd(SdlMediaPlayer& player, UiQueue& ui,
                          std::chrono::milliseconds limit = std::chrono::seconds(20)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (player.PlayState() == MediaPlayer::kPlaying) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ui.RunPending();
  }
  return true;
}

}  // namespace vs::test
