#include "platform/linux/qt/QtScreenCover.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QScreen>

#include "platform/linux/qt/SaverScreens.h"
#include "platform/linux/qt/SaverWindowFlags.h"

namespace vs {

QtScreenCover::QtScreenCover(QWidget& form, QScreen& screen)
    : QWidget(&form, kSaverWindowFlags | Qt::WindowDoesNotAcceptFocus), form_(form) {
  setWindowTitle(QStringLiteral("VostramelSaver cover"));
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setMouseTracking(true);
  setGeometry(screen.geometry());
  if (OnWayland()) ShowFullScreen(*this, &screen);
  connect(&screen, &QScreen::geometryChanged, this,
          [this](const QRect& area) { setGeometry(area); });
}

bool QtScreenCover::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    // Closed by the compositor: as if the form itself were.
    case QEvent::Close:
      QCoreApplication::sendEvent(&form_, event);
      return true;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const QPointF onForm = mouse->globalPosition() - QPointF(form_.mapToGlobal(QPoint(0, 0)));
      QMouseEvent routed(mouse->type(), onForm, onForm, mouse->globalPosition(), mouse->button(),
                         mouse->buttons(), mouse->modifiers(), mouse->pointingDevice());
      QCoreApplication::sendEvent(&form_, &routed);
      return true;
    }
    default:
      return QWidget::event(event);
  }
}

}  // namespace vs
