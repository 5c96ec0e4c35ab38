#include "platform/linux/idle/XSyncIdle.h"

#include <QTimer>
#include <X11/Xlib.h>
#include <X11/extensions/sync.h>

#include <cstring>
#include <utility>

namespace vs {

namespace {

XSyncCounter IdleTimeCounter(Display* display) {
  int count = 0;
  XSyncSystemCounter* counters = XSyncListSystemCounters(display, &count);
  XSyncCounter found = None;
  for (int i = 0; i < count && found == None; ++i) {
    if (std::strcmp(counters[i].name, "IDLETIME") == 0) found = counters[i].counter;
  }
  if (counters != nullptr) XSyncFreeSystemCounterList(counters);
  return found;
}

XSyncAlarm CreateAlarm(Display* display, XSyncCounter counter, XSyncTestType test,
                       std::int32_t value) {
  XSyncAlarmAttributes attributes{};
  attributes.trigger.counter = counter;
  attributes.trigger.value_type = XSyncAbsolute;
  attributes.trigger.test_type = test;
  XSyncIntToValue(&attributes.trigger.wait_value, value);
  XSyncIntToValue(&attributes.delta, 0);
  attributes.events = True;
  return XSyncCreateAlarm(display,
                          XSyncCACounter | XSyncCAValueType | XSyncCATestType | XSyncCAValue |
                              XSyncCADelta | XSyncCAEvents,
                          &attributes);
}

}  // namespace

XSyncIdle::XSyncIdle(Display* display, IdleCallbacks callbacks)
    : display_(display), callbacks_(std::move(callbacks)) {}

std::unique_ptr<XSyncIdle> XSyncIdle::Open(std::int32_t idleMilliseconds,
                                           IdleCallbacks callbacks) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return nullptr;
  std::unique_ptr<XSyncIdle> idle(new XSyncIdle(display, std::move(callbacks)));
  XSyncIdle* self = idle.get();
  idle->readable_ =
      std::make_unique<QSocketNotifier>(ConnectionNumber(display), QSocketNotifier::Read);
  QObject::connect(idle->readable_.get(), &QSocketNotifier::activated,
                   [self] { self->ReadEvents(); });
  if (!idle->CreateAlarms(idleMilliseconds)) return nullptr;
  XFlush(display);
  return idle;
}

bool XSyncIdle::CreateAlarms(std::int32_t idleMilliseconds) {
  int errorBase = 0;
  int major = 0;
  int minor = 0;
  if (XSyncQueryExtension(display_, &eventBase_, &errorBase) == False ||
      XSyncInitialize(display_, &major, &minor) == False) {
    return false;
  }
  const XSyncCounter counter = IdleTimeCounter(display_);
  if (counter == None) return false;
  // Crossing upwards is the idle time reached; any input resets the counter
  // to 0, which crosses the second alarm's value downwards.
  idleAlarm_ = CreateAlarm(display_, counter, XSyncPositiveTransition, idleMilliseconds);
  activeAlarm_ = CreateAlarm(display_, counter, XSyncNegativeTransition, idleMilliseconds - 1);
  // A session idle for longer already crosses nothing until the next input.
  XSyncValue now;
  if (XSyncQueryCounter(display_, counter, &now) != False &&
      (XSyncValueHigh32(now) != 0 ||
       XSyncValueLow32(now) >= static_cast<unsigned>(idleMilliseconds))) {
    QTimer::singleShot(0, readable_.get(), [this] { callbacks_.idle(); });
  }
  return idleAlarm_ != None && activeAlarm_ != None;
}

XSyncIdle::~XSyncIdle() {
  readable_.reset();
  if (idleAlarm_ != None) XSyncDestroyAlarm(display_, idleAlarm_);
  if (activeAlarm_ != None) XSyncDestroyAlarm(display_, activeAlarm_);
  XCloseDisplay(display_);
}

void XSyncIdle::ReadEvents() {
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type != eventBase_ + XSyncAlarmNotify) continue;
    const auto* alarm = reinterpret_cast<const XSyncAlarmNotifyEvent*>(&event);
    if (alarm->alarm == idleAlarm_) {
      callbacks_.idle();
    } else if (alarm->alarm == activeAlarm_) {
      callbacks_.active();
    }
  }
}

}  // namespace vs
