#include "platform/linux/qt/config/Shapes.h"

#include <QPainter>

namespace vs::config {
namespace {

// Shapes are decoration: clicks reach the controls beneath.
void MakeDecoration(QWidget& shape) {
  shape.setAttribute(Qt::WA_TransparentForMouseEvents);
  shape.setFocusPolicy(Qt::NoFocus);
}

}  // namespace

RectangleShape::RectangleShape(const QColor& border, QWidget* parent)
    : QWidget(parent), border_(border) {
  MakeDecoration(*this);
}

void RectangleShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(border_);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

LineShape::LineShape(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour) {
  MakeDecoration(*this);
}

void LineShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(colour_);
  painter.drawLine(0, 0, width() - 1, 0);
}

}  // namespace vs::config
