#include "idle/IdleLauncher.h"

#include <utility>

namespace vs {

IdleLauncher::IdleLauncher(std::int32_t idleMilliseconds, Timer& countdown,
                           std::function<bool()> startSaver)
    : idleMilliseconds_(idleMilliseconds), countdown_(countdown), startSaver_(std::move(startSaver)) {
  countdown_.SetEnabled(false);
  countdown_.SetInterval(idleMilliseconds_);
}

void IdleLauncher::Idle() {
  idle_ = true;
  if (armed_ && !inhibited_ && !running_) StartSaver();
}

void IdleLauncher::Active() {
  idle_ = false;
  armed_ = true;
  countdown_.SetEnabled(false);
}

void IdleLauncher::SetInhibited(bool inhibited) {
  if (inhibited == inhibited_) return;
  inhibited_ = inhibited;
  countdown_.SetEnabled(!inhibited_ && idle_ && armed_ && !running_);
}

void IdleLauncher::SaverEnded() { running_ = false; }

void IdleLauncher::CountdownEnded() {
  countdown_.SetEnabled(false);
  if (idle_ && armed_ && !inhibited_ && !running_) StartSaver();
}

void IdleLauncher::StartSaver() {
  armed_ = false;
  running_ = startSaver_();
}

}  // namespace vs
