#include "platform/linux/qt/RunDeliveringEvents.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <atomic>
#include <exception>
#include <thread>

#include "platform/events/Dispatch.h"

namespace vs {

void RunDeliveringEvents(const std::function<void()>& job) {
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  std::exception_ptr failure;
  std::atomic<bool> done{false};
  std::thread worker([&] {
    try {
      job();
    } catch (...) {
      failure = std::current_exception();
    }
    done = true;
    dispatcher->wakeUp();
  });
  {
    const EventLoopLevel level;
    while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  // The job is over: this waits only for the wake-up call to return.
  worker.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace vs
