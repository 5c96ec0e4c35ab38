#include "qt/QtMediaPlayerWidget.h"

#include <QKeyEvent>

namespace vs {

QtMediaPlayerWidget::QtMediaPlayerWidget(QWidget* parent, std::unique_ptr<MediaPlayer> backend,
                                         KeyHandlers handlers)
    : QWidget(parent), backend_(std::move(backend)), handlers_(std::move(handlers)) {
  // No visible face: a one-pixel black control in the corner that can hold
  // the focus.
  setFocusPolicy(Qt::TabFocus);
  setGeometry(0, 0, 1, 1);
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
}

void QtMediaPlayerWidget::keyPressEvent(QKeyEvent* event) {
  handlers_.keyDown(event->key(), int(event->modifiers()));
  if (!event->text().isEmpty()) handlers_.keyPress(event->text().at(0).unicode());
}

}  // namespace vs
