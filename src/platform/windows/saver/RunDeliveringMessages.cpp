#include "platform/windows/saver/RunDeliveringMessages.h"

#include <exception>
#include <thread>

#include "platform/events/Dispatch.h"
#include "platform/windows/Win32.h"
#include "platform/windows/app/ObjectWindow.h"

namespace vs {
namespace {

// Delivers what is queued; false once the program was asked to quit, whose
// request is then left queued for the main loop.
bool DeliverQueued() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

}  // namespace

void RunDeliveringMessages(const std::function<void()>& job) {
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (done == nullptr) ThrowLastError("Cannot create an event");
  std::exception_ptr failure;
  std::thread worker([&] {
    try {
      job();
    } catch (...) {
      failure = std::current_exception();
    }
    SetEvent(done);
  });
  {
    const EventLoopLevel level;
    bool delivering = true;
    while (delivering && MsgWaitForMultipleObjectsEx(1, &done, INFINITE, QS_ALLINPUT,
                                                     MWMO_INPUTAVAILABLE) != WAIT_OBJECT_0) {
      delivering = DeliverQueued();
    }
  }
  worker.join();
  CloseHandle(done);
  if (failure) std::rethrow_exception(failure);
}

}  // namespace vs
