#include "platform/linux/wayland/WaylandConnection.h"

#include <wayland-client-core.h>

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vs {

std::unique_ptr<WaylandConnection> WaylandConnection::Open() {
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) return nullptr;
  return std::unique_ptr<WaylandConnection>(new WaylandConnection(display));
}

WaylandConnection::WaylandConnection(wl_display* display)
    : display_(display),
      readable_(new QSocketNotifier(wl_display_get_fd(display), QSocketNotifier::Read, this)),
      writable_(new QSocketNotifier(wl_display_get_fd(display), QSocketNotifier::Write, this)) {
  writable_->setEnabled(false);
  connect(readable_, &QSocketNotifier::activated, this, &WaylandConnection::ReadEvents);
  connect(writable_, &QSocketNotifier::activated, this, &WaylandConnection::Flush);
  // Requests made by handlers and timers reach the compositor before the
  // program waits for its answers.
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          &WaylandConnection::Flush);
}

WaylandConnection::~WaylandConnection() { wl_display_disconnect(display_); }

void WaylandConnection::OnLost(std::function<void()> lost) {
  lost_ = std::move(lost);
  if (broken_) QMetaObject::invokeMethod(this, lost_, Qt::QueuedConnection);
}

bool WaylandConnection::Roundtrip() {
  if (broken_) return false;
  if (wl_display_roundtrip(display_) >= 0) return true;
  Lost();
  return false;
}

void WaylandConnection::ReadEvents() {
  if (broken_) return;
  // Only with an empty queue may a read start; what a roundtrip left is dispatched first.
  while (wl_display_prepare_read(display_) != 0) {
    if (wl_display_dispatch_pending(display_) < 0) return Lost();
  }
  // The socket has data, so the read does not wait; at its end it reports the hang-up.
  if (wl_display_read_events(display_) < 0) return Lost();
  if (wl_display_dispatch_pending(display_) < 0) return Lost();
  Flush();
}

void WaylandConnection::Flush() {
  if (broken_) return;
  if (wl_display_flush(display_) >= 0) {
    writable_->setEnabled(false);
  } else if (errno == EAGAIN) {
    writable_->setEnabled(true);
  } else {
    Lost();
  }
}

void WaylandConnection::Lost() {
  if (broken_) return;
  broken_ = true;
  std::fprintf(stderr, "VostramelSaver: the Wayland connection ended: %s\n",
               std::strerror(wl_display_get_error(display_)));
  readable_->setEnabled(false);
  writable_->setEnabled(false);
  if (lost_) lost_();
}

}  // namespace vs
