#include "platform/linux/qt/KeyboardFocusGuard.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace vs {
namespace {

constexpr int kPatienceMs = 1000;

}  // namespace

KeyboardFocusGuard::KeyboardFocusGuard(QWidget& form,
                                       std::function<std::vector<QWidget*>()> covers,
                                       std::function<void()> lost)
    : form_(form), covers_(std::move(covers)), lost_(std::move(lost)) {
  patience_.setSingleShot(true);
  patience_.setInterval(kPatienceMs);
  patience_.setTimerType(Qt::PreciseTimer);
  connect(&patience_, &QTimer::timeout, this, [this] {
    if (!held_) End();
  });
}

void KeyboardFocusGuard::Start() {
  QWindow* window = form_.windowHandle();
  if (window == nullptr || started_) return;
  started_ = true;
  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &KeyboardFocusGuard::FocusChanged);
  patience_.start();
  FocusChanged(QGuiApplication::focusWindow());
  // A compositor activates only a surface it shows: ask once the form has
  // been drawn, after its first frame went out.
  if (window->isExposed()) {
    asked_ = true;
    window->requestActivate();
  } else {
    window->installEventFilter(this);
  }
}

bool KeyboardFocusGuard::eventFilter(QObject* watched, QEvent* event) {
  auto* window = static_cast<QWindow*>(watched);
  if (event->type() == QEvent::Expose && window->isExposed() && !asked_) {
    asked_ = true;
    window->removeEventFilter(this);
    QTimer::singleShot(0, window, [window] { window->requestActivate(); });
  }
  return false;
}

bool KeyboardFocusGuard::Ours(const QWindow* window) const {
  if (window == nullptr) return false;
  if (window == form_.windowHandle()) return true;
  for (const QWidget* cover : covers_()) {
    if (window == cover->windowHandle()) return true;
  }
  return false;
}

void KeyboardFocusGuard::FocusChanged(QWindow* window) {
  if (Ours(window)) {
    held_ = true;
  } else if (held_) {
    End();
  }
}

void KeyboardFocusGuard::End() {
  if (ended_) return;
  ended_ = true;
  lost_();
}

}  // namespace vs
