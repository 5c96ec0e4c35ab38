#pragma once

#include <QSocketNotifier>
#include <cstdint>
#include <memory>

#include "platform/linux/idle/IdleCallbacks.h"

typedef struct _XDisplay Display;

namespace vs {

// The X server's idle time: the SYNC extension's IDLETIME counter, which
// input resets and so does a video player's XResetScreenSaver. Two alarms
// watch it: one when it passes the idle time, one when it drops back.
class XSyncIdle {
 public:
  // Null when DISPLAY names no X server or it has no IDLETIME counter.
  static std::unique_ptr<XSyncIdle> Open(std::int32_t idleMilliseconds, IdleCallbacks callbacks);
  ~XSyncIdle();
  XSyncIdle(const XSyncIdle&) = delete;
  XSyncIdle& operator=(const XSyncIdle&) = delete;

 private:
  XSyncIdle(Display* display, IdleCallbacks callbacks);
  bool CreateAlarms(std::int32_t idleMilliseconds);
  void ReadEvents();

  Display* display_;
  IdleCallbacks callbacks_;
  int eventBase_ = 0;
  unsigned long idleAlarm_ = 0;
  unsigned long activeAlarm_ = 0;
  std::unique_ptr<QSocketNotifier> readable_;
};

}  // namespace vs
