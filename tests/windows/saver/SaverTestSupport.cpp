#include "SaverTestSupport.h"

namespace vs::test {

void DeliverQueued() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool DeliverUntil(const std::function<bool()>& done) {
  // A hang guard, not a timing: what is waited for comes long before it.
  const ULONGLONG giveUp = GetTickCount64() + 30000;
  while (!done()) {
    if (GetTickCount64() > giveUp) return false;
    MsgWaitForMultipleObjectsEx(0, nullptr, 50, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    DeliverQueued();
  }
  return true;
}

}  // namespace vs::test
