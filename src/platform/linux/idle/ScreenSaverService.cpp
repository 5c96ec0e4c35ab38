#include "platform/linux/idle/ScreenSaverService.h"

#include <QDBusConnectionInterface>
#include <utility>

namespace vs {

namespace {
const QString kName = QStringLiteral("org.freedesktop.ScreenSaver");
}  // namespace

ScreenSaverService::ScreenSaverService(const QDBusConnection& bus,
                                       std::function<void(bool)> changed)
    : bus_(bus), changed_(std::move(changed)) {
  callers_.setConnection(bus_);
  callers_.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
  connect(&callers_, &QDBusServiceWatcher::serviceUnregistered, this,
          [this](const QString& caller) { CallerLeft(caller); });
}

bool ScreenSaverService::Register() {
  const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
      bus_.interface()->registerService(kName, QDBusConnectionInterface::DontQueueService,
                                        QDBusConnectionInterface::DontAllowReplacement);
  if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
    return false;
  }
  // Applications use either path.
  for (const char* path : {"/org/freedesktop/ScreenSaver", "/ScreenSaver"}) {
    bus_.registerObject(path, this, QDBusConnection::ExportScriptableSlots);
  }
  return true;
}

uint ScreenSaverService::Inhibit(const QString&, const QString&) {
  const QString caller = message().service();
  // 0 is no cookie to the callers.
  if (++lastCookie_ == 0) ++lastCookie_;
  inhibits_.insert(lastCookie_, caller);
  callers_.addWatchedService(caller);
  Report();
  return lastCookie_;
}

void ScreenSaverService::UnInhibit(uint cookie) {
  if (inhibits_.value(cookie) != message().service()) return;
  inhibits_.remove(cookie);
  Report();
}

void ScreenSaverService::CallerLeft(const QString& caller) {
  callers_.removeWatchedService(caller);
  for (auto it = inhibits_.begin(); it != inhibits_.end();) {
    it = it.value() == caller ? inhibits_.erase(it) : std::next(it);
  }
  Report();
}

void ScreenSaverService::Report() { changed_(!inhibits_.isEmpty()); }

}  // namespace vs
