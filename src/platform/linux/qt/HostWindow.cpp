#include "platform/linux/qt/HostWindow.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/RuntimeFailure.h"
#include "platform/linux/qt/XcbConnection.h"

namespace vs {
namespace {

std::string Hex(std::uint32_t id) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", id);
  return text;
}

}  // namespace

HostWindow::HostWindow(std::uint32_t id, std::function<void(QSize)> resized,
                       std::function<void()> gone)
    : id_(id), resized_(std::move(resized)), gone_(std::move(gone)) {}

HostWindow::~HostWindow() {
  if (window_ != nullptr) QCoreApplication::instance()->removeNativeEventFilter(this);
}

std::uint32_t HostWindow::Root() {
  xcb_connection_t* connection = XcbConnection();
  return connection != nullptr ? XcbRoot(connection) : 0;
}

QSize HostWindow::Pixels() const {
  xcb_connection_t* connection = XcbConnection();
  const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
      connection != nullptr
          ? xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id_), nullptr)
          : nullptr,
      &std::free);
  if (!geometry) throw RuntimeFailure("Cannot draw into window " + Hex(id_));
  return QSize(geometry->width, geometry->height);
}

void HostWindow::Embed(QWidget& form) {
  if (window_ != nullptr) return;
  Pixels();  // a wrong id fails here, not later as an X error
  // Its resizes and its end reach this program too. The mask is this
  // program's own on that window, and Qt has already chosen events on the root
  // window (property changes, for one): they are kept.
  xcb_connection_t* connection = XcbConnection();
  const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
      xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id_),
                                      nullptr),
      &std::free);
  const std::uint32_t events =
      (attributes ? attributes->your_event_mask : 0u) | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, id_, XCB_CW_EVENT_MASK, &events);
  QCoreApplication::instance()->installNativeEventFilter(this);
  // Not deleted: deleting it would delete the form's window with it.
  window_ = QWindow::fromWinId(id_);
  form.winId();
  form.windowHandle()->setParent(window_);
}

bool HostWindow::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
  if (type != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  switch (event->response_type & 0x7f) {
    case XCB_CONFIGURE_NOTIFY: {
      const auto* configure = static_cast<const xcb_configure_notify_event_t*>(message);
      if (configure->window == id_) resized_(QSize(configure->width, configure->height));
      break;
    }
    case XCB_DESTROY_NOTIFY:
      if (static_cast<const xcb_destroy_notify_event_t*>(message)->window == id_) gone_();
      break;
    default:
      break;
  }
  return false;
}

}  // namespace vs
