#include "platform/linux/qt/about/DesignWidgets.h"

#include <string>

#include "core/RuntimeFailure.h"
#include "platform/linux/qt/about/TwipRect.h"

namespace vs::about {

void Place(QWidget& widget, const design::Control& control) {
  widget.setObjectName(QString::fromUtf8(control.name));
  widget.setGeometry(ToPixels(control.place));
  widget.setToolTip(QString::fromUtf8(control.toolTip));
}

void Place(QWidget& widget, const design::Frame& frame) {
  widget.setObjectName(QString::fromUtf8(frame.name));
  widget.setGeometry(ToPixels(frame.place));
}

void Place(QWidget& widget, const design::HorizontalLine& line) {
  widget.setObjectName(QString::fromUtf8(line.name));
  widget.setGeometry(ToPixels({line.left, line.top, line.right - line.left, kTwipsPerPixel}));
}

void SetTabOrder(QWidget& dialog, const std::vector<const design::Control*>& order) {
  QWidget* previous = nullptr;
  for (const design::Control* control : order) {
    auto* widget =
        dialog.findChild<QWidget*>(QString::fromUtf8(control->name), Qt::FindDirectChildrenOnly);
    if (widget == nullptr) {
      throw RuntimeFailure("The dialog has no control named " + std::string(control->name));
    }
    if (widget->focusPolicy() == Qt::NoFocus) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

}  // namespace vs::about
