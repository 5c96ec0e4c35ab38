#include "platform/linux/qt/QtPictureBox.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <cmath>
#include <memory>
#include <vector>

#include "formats/picture/DecodePicture.h"
#include "platform/linux/qt/RunDeliveringEvents.h"

namespace vs {
namespace {

double DeviceRatio(const QWidget& widget) { return widget.devicePixelRatioF(); }

// Shares the decoded buffer instead of copying a screen-sized frame.
QImage ToImage(std::vector<std::uint32_t> pixels, int width, int height) {
  auto owned = std::make_unique<std::vector<std::uint32_t>>(std::move(pixels));
  QImage image(
      reinterpret_cast<const uchar*>(owned->data()), width, height,
      static_cast<qsizetype>(width) * 4, QImage::Format_RGB32,
      [](void* buffer) { delete static_cast<std::vector<std::uint32_t>*>(buffer); }, owned.get());
  // An empty image never calls its cleanup function: the buffer stays ours.
  if (!image.isNull()) owned.release();
  return image;
}

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

QtPictureBox::QtPictureBox(QWidget* parent, KeyHandlers handlers)
    : QWidget(parent), handlers_(std::move(handlers)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  hide();
}

void QtPictureBox::LoadPicture(const std::string& path) {
  // Let go of the shown picture first: only one frame is held at a time.
  image_ = QImage();
  const double ratio = DeviceRatio(*this);
  const QSize screen(static_cast<int>(std::ceil(window()->width() * ratio)),
                     static_cast<int>(std::ceil(window()->height() * ratio)));
  DecodedPicture picture;
  // Input keeps being handled however long a hostile or huge file takes.
  RunDeliveringEvents([&] { picture = DecodePictureFile(path, screen.width(), screen.height()); });
  image_ = ToImage(std::move(picture.pixels), picture.visibleWidth, picture.visibleHeight);
  if (autoSize_) {
    width_ = picture.width;
    height_ = picture.height;
    ApplyGeometry();
  }
  update();
}

void QtPictureBox::SetWidth(int width) {
  width_ = width;
  ApplyGeometry();
}

void QtPictureBox::SetHeight(int height) {
  height_ = height;
  ApplyGeometry();
}

void QtPictureBox::Move(int left, int top) {
  left_ = left;
  top_ = top;
  ApplyGeometry();
}

void QtPictureBox::ApplyGeometry() {
  const double ratio = DeviceRatio(*this);
  const int left = AlignedLogical(left_, ratio);
  const int top = AlignedLogical(top_, ratio);
  inset_ = QPoint(left_ - static_cast<int>(std::lround(left * ratio)),
                  top_ - static_cast<int>(std::lround(top * ratio)));
  setGeometry(left, top, CeilLogical(left_ + width_, ratio) - left,
              CeilLogical(top_ + height_, ratio) - top);
}

void QtPictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  // Drawn in device pixels, so the picture is never scaled or shifted.
  const double ratio = DeviceRatio(*this);
  painter.scale(1 / ratio, 1 / ratio);
  painter.drawImage(inset_, image_, QRect(0, 0, width_, height_));
}

void QtPictureBox::keyPressEvent(QKeyEvent* event) { handlers_.Deliver(*event); }

}  // namespace vs
