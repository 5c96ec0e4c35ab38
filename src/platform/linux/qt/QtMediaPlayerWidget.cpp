#include "platform/linux/qt/QtMediaPlayerWidget.h"

namespace vs {

QtMediaPlayerWidget::QtMediaPlayerWidget(QWidget* parent, std::unique_ptr<MediaPlayer> backend,
                                         KeyHandlers handlers)
    : QWidget(parent), backend_(std::move(backend)), handlers_(std::move(handlers)) {
  // No visible face: a one-pixel control in the corner that paints nothing,
  // so the picture shows through, and can hold the focus.
  setFocusPolicy(Qt::TabFocus);
  setGeometry(0, 0, 1, 1);
}

void QtMediaPlayerWidget::keyPressEvent(QKeyEvent* event) { handlers_.Deliver(*event); }

}  // namespace vs
