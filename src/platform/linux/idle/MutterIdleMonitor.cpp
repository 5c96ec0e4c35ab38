#include "platform/linux/idle/MutterIdleMonitor.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <utility>

namespace vs {

namespace {
const QString kService = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString kPath = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");
const QString kInterface = QStringLiteral("org.gnome.Mutter.IdleMonitor");
}  // namespace

MutterIdleMonitor::MutterIdleMonitor(const QDBusConnection& bus, IdleCallbacks callbacks)
    : bus_(bus), callbacks_(std::move(callbacks)) {}

std::unique_ptr<MutterIdleMonitor> MutterIdleMonitor::Open(const QDBusConnection& bus,
                                                           std::int32_t idleMilliseconds,
                                                           IdleCallbacks callbacks) {
  if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kService).value()) return nullptr;
  std::unique_ptr<MutterIdleMonitor> monitor(new MutterIdleMonitor(bus, std::move(callbacks)));
  monitor->bus_.connect(kService, kPath, kInterface, QStringLiteral("WatchFired"), monitor.get(),
                        SLOT(WatchFired(uint)));
  monitor->idleWatch_ =
      monitor->AddWatch("AddIdleWatch", {QVariant::fromValue(quint64(idleMilliseconds))});
  if (monitor->idleWatch_ == 0) return nullptr;
  return monitor;
}

uint MutterIdleMonitor::AddWatch(const char* method, const QList<QVariant>& arguments) {
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
  call.setArguments(arguments);
  const QDBusMessage reply = bus_.call(call, QDBus::Block, 5000);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return 0;
  return reply.arguments().constFirst().toUInt();
}

void MutterIdleMonitor::WatchFired(uint id) {
  if (id == 0) return;
  if (id == idleWatch_) {
    activeWatch_ = AddWatch("AddUserActiveWatch", {});
    callbacks_.idle();
  } else if (id == activeWatch_) {
    activeWatch_ = 0;
    callbacks_.active();
  }
}

}  // namespace vs
