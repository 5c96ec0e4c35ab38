#include "platform/linux/qt/QtPictureBox.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <cmath>
#include <memory>
#include <vector>

#include "formats/picture/DecodePicture.h"

namespace vs {
namespace {

double DeviceRatio(const QWidget& widget) { return widget.devicePixelRatioF(); }

int ToLogical(int devicePixels, double ratio) {
  return static_cast<int>(std::lround(devicePixels / ratio));
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
  const QSize screen = window()->size() * DeviceRatio(*this);
  DecodedPicture picture = DecodePictureFile(path, screen.width(), screen.height());
  auto* pixels = new std::vector<std::uint32_t>(std::move(picture.pixels));
  image_ = QImage(
      reinterpret_cast<const uchar*>(pixels->data()), picture.visibleWidth, picture.visibleHeight,
      static_cast<qsizetype>(picture.visibleWidth) * 4, QImage::Format_RGB32,
      [](void* owned) { delete static_cast<std::vector<std::uint32_t>*>(owned); }, pixels);
  image_.setDevicePixelRatio(DeviceRatio(*this));
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
  setGeometry(ToLogical(left_, ratio), ToLogical(top_, ratio), ToLogical(width_, ratio),
              ToLogical(height_, ratio));
}

void QtPictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.drawImage(QPointF(0, 0), image_);
}

void QtPictureBox::keyPressEvent(QKeyEvent* event) { handlers_.Deliver(*event); }

void QtPictureBox::mousePressEvent(QMouseEvent* event) { event->accept(); }
void QtPictureBox::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void QtPictureBox::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }
void QtPictureBox::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

}  // namespace vs
