#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusServiceWatcher>
#include <QMap>
#include <QObject>
#include <functional>

namespace vs {

// org.freedesktop.ScreenSaver where no one else offers it (GNOME, sway, a
// plain X session): browsers and video players ask it not to blank while they
// play. An inhibit lasts until UnInhibit or until its caller leaves the bus.
class ScreenSaverService : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

 public:
  // changed gets whether any inhibit is held, after each change.
  ScreenSaverService(const QDBusConnection& bus, std::function<void(bool)> changed);
  // False when another process owns the name already.
  bool Register();

 public slots:
  Q_SCRIPTABLE uint Inhibit(const QString& application, const QString& reason);
  Q_SCRIPTABLE void UnInhibit(uint cookie);

 private:
  void CallerLeft(const QString& caller);
  void Report();

  QDBusConnection bus_;
  std::function<void(bool)> changed_;
  QDBusServiceWatcher callers_;
  QMap<uint, QString> inhibits_;  // cookie to caller
  uint lastCookie_ = 0;
};

}  // namespace vs
