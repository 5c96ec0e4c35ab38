#pragma once

#include <QImage>
#include <QWidget>

#include "platform/PictureBox.h"
#include "platform/linux/qt/KeyHandlers.h"

namespace vs {

// Sizes and positions are kept in device pixels, so a picture shows at its
// natural size also on a HiDPI screen.
class QtPictureBox : public QWidget, public PictureBox {
 public:
  QtPictureBox(QWidget* parent, KeyHandlers handlers);

  void SetVisible(bool visible) override { setVisible(visible); }
  bool Visible() const override { return isVisible(); }
  void SetAutoSize(bool autoSize) override { autoSize_ = autoSize; }
  void LoadPicture(const std::string& path) override;
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width) override;
  void SetHeight(int height) override;
  void Move(int left, int top) override;
  int Left() const override { return left_; }
  int Top() const override { return top_; }
  void Refresh() override { repaint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Keys are the box's own; mouse input passes on to the form.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ApplyGeometry();

  KeyHandlers handlers_;
  QImage image_;
  bool autoSize_ = false;
  int width_ = 0, height_ = 0, left_ = 0, top_ = 0;
  // The picture's corner inside the box, in device pixels: at a fractional
  // scale the box itself can only start on a whole logical pixel.
  QPoint inset_;
};

}  // namespace vs
