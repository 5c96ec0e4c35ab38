#include "platform/linux/qt/SaverHold.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <memory>

#include "platform/linux/qt/XcbConnection.h"

namespace vs {
namespace {

// Another client (a menu, a window manager's key binding) may hold a grab
// for a moment.
constexpr int kGrabRetryMs = 50;
constexpr qint64 kGrabPatienceMs = 2000;
constexpr xcb_window_t kNoWindow = XCB_WINDOW_NONE;

// True when `windows`, bottom to top, are the topmost children of `root`.
bool OnTop(xcb_connection_t* connection, xcb_window_t root,
           const std::vector<xcb_window_t>& windows) {
  const std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
      xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr), &std::free);
  if (!tree) return true;
  const int count = xcb_query_tree_children_length(tree.get());
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  bool onTop = count >= int(windows.size());
  for (std::size_t i = 0; onTop && i < windows.size(); ++i) {
    onTop = children[count - int(windows.size()) + int(i)] == windows[i];
  }
  return onTop;
}

// The window a child-of-root event is about, or none for other events.
xcb_window_t RootChild(const xcb_generic_event_t* event, xcb_window_t root) {
  switch (event->response_type & 0x7f) {
    case XCB_MAP_NOTIFY: {
      const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
      return map->event == root ? map->window : kNoWindow;
    }
    case XCB_CONFIGURE_NOTIFY: {
      const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
      return configure->event == root && configure->window != root ? configure->window
                                                                   : kNoWindow;
    }
    case XCB_CIRCULATE_NOTIFY: {
      const auto* circulate = reinterpret_cast<const xcb_circulate_notify_event_t*>(event);
      return circulate->event == root ? circulate->window : kNoWindow;
    }
    case XCB_REPARENT_NOTIFY: {
      const auto* reparent = reinterpret_cast<const xcb_reparent_notify_event_t*>(event);
      return reparent->event == root ? reparent->window : kNoWindow;
    }
    default:
      return kNoWindow;
  }
}

}  // namespace

SaverHold::SaverHold(QWidget& form, std::function<std::vector<QWidget*>()> covers)
    : form_(form), covers_(std::move(covers)) {
  grabRetry_.setInterval(kGrabRetryMs);
  QObject::connect(&grabRetry_, &QTimer::timeout, [this] { TryGrabs(); });
  onTop_.setSingleShot(true);
  onTop_.setInterval(0);
  QObject::connect(&onTop_, &QTimer::timeout, [this] { KeepOnTop(); });
}

SaverHold::~SaverHold() {
  if (root_ != 0) QCoreApplication::instance()->removeNativeEventFilter(this);
}

void SaverHold::Start() {
  if (XcbConnection() == nullptr) return;
  grabbing_.start();
  TryGrabs();
  if (!keyboard_ || !pointer_) grabRetry_.start();
  WatchStacking();
  KeepOnTop();
}

void SaverHold::TryGrabs() {
  QWindow* window = form_.windowHandle();
  if (window != nullptr) {
    if (!keyboard_) keyboard_ = window->setKeyboardGrabEnabled(true);
    if (!pointer_) pointer_ = window->setMouseGrabEnabled(true);
  }
  if ((keyboard_ && pointer_) || grabbing_.elapsed() > kGrabPatienceMs) grabRetry_.stop();
}

void SaverHold::WatchStacking() {
  if (root_ != 0) return;
  xcb_connection_t* connection = XcbConnection();
  root_ = XcbRoot(connection);
  // The toolkit listens on the root too: add to its events, not replace them.
  const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
      xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, root_),
                                      nullptr),
      &std::free);
  const std::uint32_t events =
      (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, root_, XCB_CW_EVENT_MASK, &events);
  xcb_flush(connection);
  QCoreApplication::instance()->installNativeEventFilter(this);
}

bool SaverHold::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
  if (type != "xcb_generic_event_t") return false;
  if (RootChild(static_cast<const xcb_generic_event_t*>(message), root_) == kNoWindow) {
    return false;
  }
  onTop_.start();
  // Only this program asked for them; the toolkit would take a root-child
  // configure for a change of the screens.
  return true;
}

void SaverHold::KeepOnTop() {
  std::vector<QWidget*> stack = covers_();
  stack.push_back(&form_);
  std::vector<xcb_window_t> ids;
  for (QWidget* window : stack) ids.push_back(static_cast<xcb_window_t>(window->winId()));
  if (OnTop(XcbConnection(), root_, ids)) return;
  for (QWidget* window : stack) window->raise();
  // Now, not whenever the toolkit next writes to the server.
  xcb_flush(XcbConnection());
}

}  // namespace vs
