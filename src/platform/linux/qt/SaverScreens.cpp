#include "platform/linux/qt/SaverScreens.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vs {

bool OnWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

QScreen* FormScreen() {
  if (!OnWayland()) return QGuiApplication::primaryScreen();
  const QList<QScreen*> screens = QGuiApplication::screens();
  for (QScreen* screen : screens) {
    if (screen->geometry().topLeft() == QPoint(0, 0)) return screen;
  }
  return screens.isEmpty() ? nullptr : screens.first();
}

void ShowFullScreen(QWidget& window, QScreen* screen) {
  if (screen != nullptr) window.setScreen(screen);
  window.setWindowState(window.windowState() | Qt::WindowFullScreen);
}

}  // namespace vs
