// Holds an org.freedesktop.ScreenSaver inhibit, as a video player does:
// prints "inhibited", and with a number of seconds releases it after that
// time ("released <epoch seconds>") but stays on the bus until killed.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDateTime>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

QDBusMessage Call(const char* method, const QList<QVariant>& arguments) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      "org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver",
      method);
  call.setArguments(arguments);
  return QDBusConnection::sessionBus().call(call);
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  const QDBusMessage reply = Call("Inhibit", {QString("inhibit_client"), QString("a film")});
  if (reply.type() != QDBusMessage::ReplyMessage) {
    std::fprintf(stderr, "inhibit_client: %s\n", qPrintable(reply.errorMessage()));
    return 1;
  }
  const uint cookie = reply.arguments().constFirst().toUInt();
  std::printf("inhibited\n");
  std::fflush(stdout);
  if (argc > 1) {
    QTimer::singleShot(std::atoi(argv[1]) * 1000, [cookie] {
      Call("UnInhibit", {QVariant::fromValue(cookie)});
      std::printf("released %.3f\n", static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0);
      std::fflush(stdout);
    });
  }
  return QCoreApplication::exec();
}
