#include "platform/linux/qt/SaverHold.h"

#include <xcb/xcb.h>

#include <QWidget>
#include <QWindow>
#include <cstdlib>

#include "platform/linux/qt/XcbConnection.h"

namespace vs {
namespace {

// Another client (a menu, a window manager's key binding) may hold a grab
// for a moment.
constexpr int kGrabRetryMs = 50;
constexpr qint64 kGrabPatienceMs = 2000;
constexpr int kOnTopCheckMs = 200;

// True when `windows`, bottom to top, are the topmost children of the root.
bool OnTop(xcb_connection_t* connection, const std::vector<xcb_window_t>& windows) {
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  xcb_query_tree_reply_t* tree =
      xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr);
  if (tree == nullptr) return true;
  const int count = xcb_query_tree_children_length(tree);
  const xcb_window_t* children = xcb_query_tree_children(tree);
  bool onTop = count >= int(windows.size());
  for (std::size_t i = 0; onTop && i < windows.size(); ++i) {
    onTop = children[count - int(windows.size()) + int(i)] == windows[i];
  }
  std::free(tree);
  return onTop;
}

}  // namespace

SaverHold::SaverHold(QWidget& form, std::function<std::vector<QWidget*>()> covers)
    : form_(form), covers_(std::move(covers)) {
  grabRetry_.setInterval(kGrabRetryMs);
  QObject::connect(&grabRetry_, &QTimer::timeout, [this] { TryGrabs(); });
  onTop_.setInterval(kOnTopCheckMs);
  QObject::connect(&onTop_, &QTimer::timeout, [this] { KeepOnTop(); });
}

void SaverHold::Start() {
  grabbing_.start();
  TryGrabs();
  if (!keyboard_ || !pointer_) grabRetry_.start();
  if (XcbConnection() != nullptr) {
    KeepOnTop();
    onTop_.start();
  }
}

void SaverHold::TryGrabs() {
  QWindow* window = form_.windowHandle();
  if (window != nullptr) {
    if (!keyboard_) keyboard_ = window->setKeyboardGrabEnabled(true);
    if (!pointer_) pointer_ = window->setMouseGrabEnabled(true);
  }
  if ((keyboard_ && pointer_) || grabbing_.elapsed() > kGrabPatienceMs) grabRetry_.stop();
}

void SaverHold::KeepOnTop() {
  std::vector<QWidget*> stack = covers_();
  stack.push_back(&form_);
  std::vector<xcb_window_t> ids;
  for (QWidget* window : stack) ids.push_back(static_cast<xcb_window_t>(window->winId()));
  if (OnTop(XcbConnection(), ids)) return;
  for (QWidget* window : stack) window->raise();
}

}  // namespace vs
