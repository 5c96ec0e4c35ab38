#include "platform/linux/idle/QueriedInhibit.h"

#include <utility>

namespace vs {

QueriedInhibit::Service QueriedInhibit::GnomeSessionManager() {
  // 8: "inhibit the session being marked as idle"
  return {"org.gnome.SessionManager", "/org/gnome/SessionManager", "org.gnome.SessionManager",
          "IsInhibited", 8, {"InhibitorAdded", "InhibitorRemoved"}};
}

QueriedInhibit::Service QueriedInhibit::KdePolicyAgent() {
  // 4: ChangeScreenSettings, what KDE's screen saver inhibits become
  return {"org.kde.Solid.PowerManagement.PolicyAgent", "/org/kde/Solid/PowerManagement/PolicyAgent",
          "org.kde.Solid.PowerManagement.PolicyAgent", "HasInhibition", 4, {"InhibitionsChanged"}};
}

QueriedInhibit::QueriedInhibit(const QDBusConnection& bus, Service service,
                               std::function<void(bool)> changed)
    : bus_(bus), service_(std::move(service)), changed_(std::move(changed)) {
  for (const QString& signal : service_.changeSignals) {
    bus_.connect(service_.name, service_.path, service_.interface, signal, this, SLOT(Query()));
  }
  Query();
}

void QueriedInhibit::Query() {
  QDBusMessage call = QDBusMessage::createMethodCall(service_.name, service_.path,
                                                     service_.interface, service_.method);
  call.setArguments({QVariant::fromValue(service_.flags)});
  bus_.callWithCallback(call, this, SLOT(Answered(QDBusMessage)), SLOT(Answered(QDBusMessage)),
                        5000);
}

void QueriedInhibit::Answered(const QDBusMessage& reply) {
  changed_(reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().constFirst().toBool());
}

}  // namespace vs
