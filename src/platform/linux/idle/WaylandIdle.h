#pragma once

#include <QSocketNotifier>
#include <cstdint>
#include <memory>

#include "platform/linux/idle/IdleCallbacks.h"

struct wl_display;
struct wl_registry;
struct wl_seat;
struct ext_idle_notifier_v1;
struct ext_idle_notification_v1;
struct org_kde_kwin_idle;
struct org_kde_kwin_idle_timeout;

namespace vs {

// A Wayland compositor's idle time: ext_idle_notifier_v1 (sway 1.8 and
// later, KDE Plasma 6) or else org_kde_kwin_idle (KDE Plasma 5, older
// wlroots compositors). Both honour the compositor's idle inhibitors, the ones
// a video player on Wayland takes.
class WaylandIdle {
 public:
  // Null when WAYLAND_DISPLAY names no compositor or it offers neither
  // protocol or no seat.
  static std::unique_ptr<WaylandIdle> Open(std::int32_t idleMilliseconds, IdleCallbacks callbacks);
  ~WaylandIdle();
  WaylandIdle(const WaylandIdle&) = delete;
  WaylandIdle& operator=(const WaylandIdle&) = delete;

  // Listeners of the generated protocol code.
  static void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                     std::uint32_t version);
  static void Idled(void* data);
  static void Resumed(void* data);

 private:
  WaylandIdle(wl_display* display, IdleCallbacks callbacks);
  void Dispatch();

  wl_display* display_;
  IdleCallbacks callbacks_;
  wl_registry* registry_ = nullptr;
  wl_seat* seat_ = nullptr;
  ext_idle_notifier_v1* notifier_ = nullptr;
  ext_idle_notification_v1* notification_ = nullptr;
  org_kde_kwin_idle* kdeIdle_ = nullptr;
  org_kde_kwin_idle_timeout* kdeTimeout_ = nullptr;
  std::unique_ptr<QSocketNotifier> readable_;
};

}  // namespace vs
