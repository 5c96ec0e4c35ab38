#pragma once

#include <QColor>
#include <QWidget>

namespace vs::config {

// A rectangle's border, drawn one pixel wide inside the widget.
class RectangleShape : public QWidget {
 public:
  RectangleShape(const QColor& border, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor border_;
};

// A horizontal line one pixel high.
class LineShape : public QWidget {
 public:
  LineShape(const QColor& colour, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
};

}  // namespace vs::config
