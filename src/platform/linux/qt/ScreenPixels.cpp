#include "platform/linux/qt/ScreenPixels.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <optional>

// After Qt: Xlib's macros clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace vs {
namespace {

std::optional<QSize> MonitorSize(const QString& name) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return std::nullopt;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  Display* display = x11 != nullptr ? x11->display() : nullptr;
  if (display == nullptr) return std::nullopt;
  int count = 0;
  XRRMonitorInfo* monitors = XRRGetMonitors(display, DefaultRootWindow(display), True, &count);
  std::optional<QSize> size;
  for (int i = 0; i < count && !size; ++i) {
    char* monitorName = XGetAtomName(display, monitors[i].name);
    if (monitorName != nullptr && name == QLatin1String(monitorName)) {
      size = QSize(monitors[i].width, monitors[i].height);
    }
    XFree(monitorName);
  }
  if (monitors != nullptr) XRRFreeMonitors(monitors);
  return size;
}

}  // namespace

QSize DevicePixelSize(const QScreen& screen) {
  if (const std::optional<QSize> size = MonitorSize(screen.name())) return *size;
  const QSizeF scaled = QSizeF(screen.geometry().size()) * screen.devicePixelRatio();
  return QSize(int(std::lround(scaled.width())), int(std::lround(scaled.height())));
}

}  // namespace vs
