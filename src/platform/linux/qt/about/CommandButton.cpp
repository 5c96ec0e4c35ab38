#include "platform/linux/qt/about/CommandButton.h"

#include <QKeyEvent>

#include "platform/linux/qt/about/DesignWidgets.h"

namespace vs::about {

CommandButton::CommandButton(const design::Control& design, QWidget* parent)
    : QPushButton(QString::fromUtf8(design.caption), parent) {
  setAutoDefault(false);
  setDefault(false);
  Place(*this, design);
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
