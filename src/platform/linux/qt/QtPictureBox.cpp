#include "platform/linux/qt/QtPictureBox.h"

#include <QPainter>
#include <cmath>

namespace vs {
namespace {

// The last logical coordinate at or before `device` that lies on a whole
// device pixel: the box's own corner is then exact at a fractional scale too.
int AlignedLogical(int device, double ratio) {
  for (int logical = static_cast<int>(std::floor(device / ratio)); logical > 0; --logical) {
    const double back = logical * ratio;
    if (std::abs(back - std::round(back)) < 1e-6) return logical;
  }
  return 0;
}

int CeilLogical(int device, double ratio) {
  return static_cast<int>(std::ceil(device / ratio - 1e-6));
}

}  // namespace

QtPictureBox::QtPictureBox(QWidget* parent, KeyHandlers handlers, EventWait& events)
    : QWidget(parent), PictureBoxControl(events), handlers_(std::move(handlers)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  hide();
}

int QtPictureBox::FormWidthPixels() const {
  return static_cast<int>(std::ceil(window()->width() * devicePixelRatioF()));
}

int QtPictureBox::FormHeightPixels() const {
  return static_cast<int>(std::ceil(window()->height() * devicePixelRatioF()));
}

void QtPictureBox::PlaceBox() {
  const double ratio = devicePixelRatioF();
  const int left = AlignedLogical(Left(), ratio);
  const int top = AlignedLogical(Top(), ratio);
  inset_ = QPoint(Left() - static_cast<int>(std::lround(left * ratio)),
                  Top() - static_cast<int>(std::lround(top * ratio)));
  setGeometry(left, top, CeilLogical(Left() + Width(), ratio) - left,
              CeilLogical(Top() + Height(), ratio) - top);
}

void QtPictureBox::PictureChanged() {
  const DecodedPicture& shown = Shown();
  image_ = shown.pixels.empty()
               ? QImage()
               : QImage(reinterpret_cast<const uchar*>(shown.pixels.data()), shown.visibleWidth,
                        shown.visibleHeight, static_cast<qsizetype>(shown.visibleWidth) * 4,
                        QImage::Format_RGB32);
  update();
}

void QtPictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  // Drawn in device pixels, so the picture is never scaled or shifted.
  const double ratio = devicePixelRatioF();
  painter.scale(1 / ratio, 1 / ratio);
  painter.drawImage(inset_, image_, QRect(0, 0, Width(), Height()));
}

void QtPictureBox::keyPressEvent(QKeyEvent* event) { handlers_.Deliver(*event); }

}  // namespace vs
