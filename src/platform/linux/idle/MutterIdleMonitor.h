#pragma once

#include <QDBusConnection>
#include <QObject>
#include <cstdint>
#include <memory>

#include "platform/linux/idle/IdleCallbacks.h"

namespace vs {

// GNOME's idle time: mutter's org.gnome.Mutter.IdleMonitor on the session bus.
// Its idle watch fires each time the idle time is reached; a user-active
// watch fires once, at the first input after it was added.
class MutterIdleMonitor : public QObject {
  Q_OBJECT

 public:
  // Null when no one owns the monitor's name or it refuses the watch.
  static std::unique_ptr<MutterIdleMonitor> Open(const QDBusConnection& bus,
                                                 std::int32_t idleMilliseconds,
                                                 IdleCallbacks callbacks);

 private slots:
  void WatchFired(uint id);

 private:
  MutterIdleMonitor(const QDBusConnection& bus, IdleCallbacks callbacks);
  uint AddWatch(const char* method, const QList<QVariant>& arguments);

  QDBusConnection bus_;
  IdleCallbacks callbacks_;
  uint idleWatch_ = 0;
  uint activeWatch_ = 0;
};

}  // namespace vs
