#include "platform/linux/qt/about/CommandButton.h"

#include <QKeyEvent>

namespace vs::about {

CommandButton::CommandButton(const QRect& geometry, QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  setDefault(false);
  setGeometry(geometry);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (enter && plain) {
    // Qt leaves Enter to default buttons only; these windows have none.
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace vs::about
