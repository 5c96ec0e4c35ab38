#pragma once

#include <QColor>
#include <QWidget>
#include <array>
#include <cstddef>
#include <vector>

#include "platform/design/Design.h"

namespace vs::about {

// Names the widget after its design control and gives it its place and tooltip.
void Place(QWidget& widget, const design::Control& control);
void Place(QWidget& widget, const design::Frame& frame);
void Place(QWidget& widget, const design::HorizontalLine& line);

inline Qt::Alignment TextAlignment(const design::Control& label) {
  return (label.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
}

inline QColor ToQColor(const design::Rgb& colour) {
  return {colour.red, colour.green, colour.blue};
}

// Chains the dialog's children in the design's order; those that take no
// focus (labels) are passed over. Fails with a clear description when a
// control of the order was not made.
void SetTabOrder(QWidget& dialog, const std::vector<const design::Control*>& order);

template <std::size_t N>
void SetTabOrder(QWidget& dialog, const std::array<const design::Control*, N>& order) {
  SetTabOrder(dialog, std::vector<const design::Control*>(order.begin(), order.end()));
}

}  // namespace vs::about
