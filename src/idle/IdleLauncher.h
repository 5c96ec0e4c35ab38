#pragma once

#include <cstdint>
#include <functional>

#include "platform/Timer.h"

namespace vs {

// Starts the saver once per idle period of the session, never while the
// desktop is asked not to blank, and never a second one while one runs. The
// idle source, the inhibitors and the saver's process report to it.
class IdleLauncher {
 public:
  // startSaver is true when the saver's process started; its end comes back
  // through SaverEnded. The countdown waits out the idle time again after an
  // inhibit lifts: the desktop's idle time ran on while a film played.
  IdleLauncher(std::int32_t idleMilliseconds, Timer& countdown, std::function<bool()> startSaver);

  // The session has been idle for the idle time.
  void Idle();
  // Input since the session went idle.
  void Active();
  void SetInhibited(bool inhibited);
  void SaverEnded();
  void CountdownEnded();

  bool SaverRunning() const { return running_; }

 private:
  void StartSaver();

  std::int32_t idleMilliseconds_;
  Timer& countdown_;
  std::function<bool()> startSaver_;
  bool idle_ = false;
  bool inhibited_ = false;
  bool running_ = false;
  // False from a start until the user is next active: a saver that ends at
  // once is not started again in the same idle period.
  bool armed_ = true;
};

}  // namespace vs
