#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace vs {

// A desktop service that is asked whether idle is inhibited, again whenever
// it says its inhibitors changed: GNOME's session manager and KDE's power
// management agent, which also holds the inhibits of KDE's
// org.freedesktop.ScreenSaver.
class QueriedInhibit : public QObject {
  Q_OBJECT

 public:
  struct Service {
    QString name;
    QString path;
    QString interface;
    QString method;  // takes the flags, answers a boolean
    uint flags;
    QStringList changeSignals;
  };
  static Service GnomeSessionManager();
  static Service KdePolicyAgent();

  // changed gets the answer at once and after each change; a service that
  // is not there inhibits nothing.
  QueriedInhibit(const QDBusConnection& bus, Service service, std::function<void(bool)> changed);

 private slots:
  void Query();
  void Answered(const QDBusMessage& reply);

 private:
  QDBusConnection bus_;
  Service service_;
  std::function<void(bool)> changed_;
};

}  // namespace vs
