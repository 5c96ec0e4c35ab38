#include "platform/linux/idle/WaylandIdle.h"

#include <wayland-client.h>

#include <cstring>
#include <utility>

#include "ext-idle-notify-v1-client-protocol.h"
#include "idle-client-protocol.h"

namespace vs {

namespace {

const wl_registry_listener kRegistryListener = {
    WaylandIdle::Global, [](void*, wl_registry*, std::uint32_t) {}};

const ext_idle_notification_v1_listener kNotificationListener = {
    [](void* data, ext_idle_notification_v1*) { WaylandIdle::Idled(data); },
    [](void* data, ext_idle_notification_v1*) { WaylandIdle::Resumed(data); }};

const org_kde_kwin_idle_timeout_listener kKdeTimeoutListener = {
    [](void* data, org_kde_kwin_idle_timeout*) { WaylandIdle::Idled(data); },
    [](void* data, org_kde_kwin_idle_timeout*) { WaylandIdle::Resumed(data); }};

}  // namespace

WaylandIdle::WaylandIdle(wl_display* display, IdleCallbacks callbacks)
    : display_(display), callbacks_(std::move(callbacks)) {}

std::unique_ptr<WaylandIdle> WaylandIdle::Open(std::int32_t idleMilliseconds,
                                               IdleCallbacks callbacks) {
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) return nullptr;
  std::unique_ptr<WaylandIdle> idle(new WaylandIdle(display, std::move(callbacks)));
  idle->registry_ = wl_display_get_registry(display);
  wl_registry_add_listener(idle->registry_, &kRegistryListener, idle.get());
  if (wl_display_roundtrip(display) < 0 || idle->seat_ == nullptr) return nullptr;

  const auto timeout = static_cast<std::uint32_t>(idleMilliseconds);
  if (idle->notifier_ != nullptr) {
    idle->notification_ =
        ext_idle_notifier_v1_get_idle_notification(idle->notifier_, timeout, idle->seat_);
    ext_idle_notification_v1_add_listener(idle->notification_, &kNotificationListener, idle.get());
  } else if (idle->kdeIdle_ != nullptr) {
    idle->kdeTimeout_ = org_kde_kwin_idle_get_idle_timeout(idle->kdeIdle_, idle->seat_, timeout);
    org_kde_kwin_idle_timeout_add_listener(idle->kdeTimeout_, &kKdeTimeoutListener, idle.get());
  } else {
    return nullptr;
  }
  if (wl_display_roundtrip(display) < 0) return nullptr;

  WaylandIdle* self = idle.get();
  idle->readable_ = std::make_unique<QSocketNotifier>(wl_display_get_fd(display),
                                                      QSocketNotifier::Read);
  QObject::connect(idle->readable_.get(), &QSocketNotifier::activated, [self] { self->Dispatch(); });
  return idle;
}

WaylandIdle::~WaylandIdle() {
  readable_.reset();
  if (notification_ != nullptr) ext_idle_notification_v1_destroy(notification_);
  if (notifier_ != nullptr) ext_idle_notifier_v1_destroy(notifier_);
  if (kdeTimeout_ != nullptr) org_kde_kwin_idle_timeout_release(kdeTimeout_);
  if (kdeIdle_ != nullptr) org_kde_kwin_idle_destroy(kdeIdle_);
  if (seat_ != nullptr) wl_seat_destroy(seat_);
  if (registry_ != nullptr) wl_registry_destroy(registry_);
  wl_display_disconnect(display_);
}

void WaylandIdle::Global(void* data, wl_registry* registry, std::uint32_t name,
                         const char* interface, std::uint32_t) {
  auto* self = static_cast<WaylandIdle*>(data);
  // The first seat is the user's; compositors with more seats are rare.
  if (std::strcmp(interface, wl_seat_interface.name) == 0 && self->seat_ == nullptr) {
    self->seat_ = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
  } else if (std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0) {
    self->notifier_ = static_cast<ext_idle_notifier_v1*>(
        wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
  } else if (std::strcmp(interface, org_kde_kwin_idle_interface.name) == 0) {
    self->kdeIdle_ = static_cast<org_kde_kwin_idle*>(
        wl_registry_bind(registry, name, &org_kde_kwin_idle_interface, 1));
  }
}

void WaylandIdle::Idled(void* data) { static_cast<WaylandIdle*>(data)->callbacks_.idle(); }

void WaylandIdle::Resumed(void* data) {
  static_cast<WaylandIdle*>(data)->callbacks_.active();
}

void WaylandIdle::Dispatch() {
  if (wl_display_dispatch(display_) < 0) {
    readable_->setEnabled(false);
    callbacks_.lost("the Wayland compositor closed the connection");
    return;
  }
  wl_display_flush(display_);
}

}  // namespace vs
