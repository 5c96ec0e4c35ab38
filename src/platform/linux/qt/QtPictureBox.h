#pragma once

#include <QImage>
#include <QWidget>

#include "platform/controls/PictureBoxControl.h"
#include "platform/linux/qt/KeyHandlers.h"

namespace vs {

// Sizes and positions are kept in device pixels, so a picture shows at its
// natural size also on a HiDPI screen.
class QtPictureBox : public QWidget, public PictureBoxControl {
 public:
  QtPictureBox(QWidget* parent, KeyHandlers handlers, EventWait& events);

  void Refresh() override { repaint(); }

 protected:
  int FormWidthPixels() const override;
  int FormHeightPixels() const override;
  void ShowBox(bool visible) override { setVisible(visible); }
  void PlaceBox() override;
  void PictureChanged() override;

  void paintEvent(QPaintEvent* event) override;
  // Keys are the box's own; mouse input passes on to the form.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  KeyHandlers handlers_;
  // Shows the control's pixels without a copy.
  QImage image_;
  // The picture's corner inside the box, in device pixels: at a fractional
  // scale the box itself can only start on a whole logical pixel.
  QPoint inset_;
};

}  // namespace vs
