#include "platform/linux/qt/about/FixedDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <utility>

#include "platform/events/Dispatch.h"
#include "platform/linux/qt/about/DialogFont.h"
#include "platform/linux/qt/about/TwipRect.h"

namespace vs::about {

namespace {

QWidget* Opener() {
  QWidget* opener = QApplication::activeModalWidget();
  if (!opener) opener = QApplication::activeWindow();
  return opener ? opener->window() : nullptr;
}

}  // namespace

FixedDialog::FixedDialog(int widthTwips, int heightTwips, std::function<void()> onClose)
    : onClose_(std::move(onClose)) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(ToPixels({0, 0, widthTwips, heightTwips}).size());
}

void FixedDialog::ExecCentred(const QString& caption) {
  setWindowTitle(caption);
  FitDialogFont(*this);
  const QPointer<QWidget> opener = Opener();
  // Client area over client area: the title bars then line up as well.
  QRect client(QPoint(), size());
  if (opener) {
    client.moveCenter(opener->geometry().center());
    // Keeps the window system's stacking above the opener, as an owner would.
    winId();
    windowHandle()->setTransientParent(opener->windowHandle());
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    client.moveCenter(screen->availableGeometry().center());
  }
  setGeometry(client);
  {
    const EventLoopLevel level;
    exec();
  }
  // Not every window manager hands the keyboard back to the opener.
  if (opener && opener->isVisible()) opener->activateWindow();
}

void FixedDialog::Close() { done(QDialog::Accepted); }

void FixedDialog::reject() {
  // No cancel button: Esc does nothing.
}

void FixedDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  onClose_();
}

}  // namespace vs::about
