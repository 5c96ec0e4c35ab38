#include "platform/linux/qt/QtApplication.h"

#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>

#include "platform/events/Dispatch.h"
#include "platform/linux/posix/LogDirectory.h"

namespace vs {

QtApplication::QtApplication(std::string commandLine, std::string programDirectory)
    : commandLine_(std::move(commandLine)),
      programDirectory_(std::move(programDirectory)),
      logDirectory_(vs::LogDirectory(programDirectory_)),
      dispatcher_(QAbstractEventDispatcher::instance()) {
  QCoreApplication::instance()->installEventFilter(this);
  // Its only job is to end a wait: its tick needs no handler.
  waitLimit_.setSingleShot(true);
}

void QtApplication::DoEvents() {
  const EventLoopLevel level;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtApplication::DeliverOrWait(std::chrono::milliseconds limit) {
  waitLimit_.start(limit);
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  waitLimit_.stop();
}

void QtApplication::WakeUp() { dispatcher_->wakeUp(); }

void QtApplication::End() {
  // Immediate: no handler, destructor or audio teardown runs after this, and
  // nothing is flushed: a worker may hold a stream's lock for as long as a
  // file on a dead share keeps it reading. The log and the settings are
  // already on disk.
  ::_exit(0);
}

int QtApplication::ShowCursor(bool show) {
  cursorCount_ += show ? 1 : -1;
  const bool hide = cursorCount_ < 0;
  if (hide && !cursorHidden_) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
  } else if (!hide && cursorHidden_) {
    QGuiApplication::restoreOverrideCursor();
  }
  cursorHidden_ = hide;
  return cursorCount_;
}

void QtApplication::SetDefaultMousePointer() {
  // The program sets no pointer of its own; only the hidden cursor overrides.
  if (!cursorHidden_) {
    while (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
  }
}

bool QtApplication::GetInputState() {
  const bool waiting = inputWaiting_;
  inputWaiting_ = false;
  return waiting;
}

bool QtApplication::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      inputWaiting_ = true;
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vs
