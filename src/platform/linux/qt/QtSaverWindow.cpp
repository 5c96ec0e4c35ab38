#include "platform/linux/qt/QtSaverWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <cmath>

#include "platform/linux/qt/SaverScreens.h"
#include "platform/linux/qt/SaverWindowFlags.h"
#include "platform/linux/qt/ScreenPixels.h"

namespace vs {

QtSaverWindow::QtSaverWindow(SaverEvents& events, EventWait& eventWait,
                             std::unique_ptr<MediaPlayer> player, std::optional<std::uint32_t> host)
    : QWidget(nullptr, host ? kHostedWindowFlags : kSaverWindowFlags),
      events_(events),
      picture1_(new QtPictureBox(
          this, {Raise("frmScreenSaver.Picture1_KeyDown", &SaverEvents::Picture1_KeyDown),
                 Raise("frmScreenSaver.Picture1_KeyPress", &SaverEvents::Picture1_KeyPress)},
          eventWait)),
      mediaPlayer1_(new QtMediaPlayerWidget(
          this, std::move(player),
          {Raise("frmScreenSaver.MediaPlayer1_KeyDown", &SaverEvents::MediaPlayer1_KeyDown),
           Raise("frmScreenSaver.MediaPlayer1_KeyPress", &SaverEvents::MediaPlayer1_KeyPress)})),
      timer1_(kTimer1DesignInterval,
              Raise("frmScreenSaver.Timer1_Timer", &SaverEvents::Timer1_Timer)),
      timer2_(kTimer2DesignInterval,
              Raise("frmScreenSaver.Timer2_Timer", &SaverEvents::Timer2_Timer)),
      covers_(*this),
      hold_(*this, [this] { return covers_.Windows(); }),
      focus_(*this, [this] { return covers_.Windows(); },
             Raise("frmScreenSaver.Form_Unload", &SaverEvents::Form_Unload)) {
  setWindowTitle(QStringLiteral("VostramelSaver"));
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  if (host) {
    host_ = std::make_unique<HostWindow>(
        *host,
        [this](QSize pixels) {
          SetSizeTwips(pixels.width() * kTwipsPerPixel, pixels.height() * kTwipsPerPixel);
        },
        Raise("frmScreenSaver.Form_Unload", &SaverEvents::Form_Unload));
  }
}

QSize QtSaverWindow::ScreenPixels() const {
  if (host_) return host_->Pixels();
  const QScreen* screen = FormScreen();
  return screen != nullptr ? DevicePixelSize(*screen) : QSize(640, 480);
}

double QtSaverWindow::Ratio() const {
  const QScreen* screen = FormScreen();
  return screen != nullptr ? screen->devicePixelRatio() : 1.0;
}

void QtSaverWindow::SetWindowPos(int, int x, int y, int cx, int cy, unsigned flags) {
  // Embedded first: positions are then the host window's.
  if (host_ && (flags & kSwpShowWindow)) host_->Embed(*this);
  const bool wayland = !host_ && OnWayland();
  const double ratio = Ratio();
  // Always top-most: the window flags say so from the start. A Wayland
  // compositor places windows itself: the form asks for its output instead.
  if (!wayland) {
    const QScreen* screen = FormScreen();
    const QPoint origin = host_ || screen == nullptr ? QPoint() : screen->geometry().topLeft();
    move(origin + QPoint(int(std::lround(x / ratio)), int(std::lround(y / ratio))));
  }
  if (!(flags & kSwpNoSize) && cx > 0 && cy > 0) {
    resize(int(std::lround(cx / ratio)), int(std::lround(cy / ratio)));
  }
  if (flags & kSwpShowWindow) {
    if (wayland) ShowFullScreen(*this, FormScreen());
    show();
    if (host_) return;
    raise();
    // On Wayland the guard asks once the form is drawn.
    if (!wayland) activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
    covers_.Show();
    hold_.Start();
    if (wayland) focus_.Start();
  }
}

int QtSaverWindow::ScreenWidthTwips() const { return ScreenPixels().width() * kTwipsPerPixel; }

int QtSaverWindow::ScreenHeightTwips() const { return ScreenPixels().height() * kTwipsPerPixel; }

void QtSaverWindow::SetSizeTwips(int width, int height) {
  // Explicit geometry: without a window manager a full-screen request alone
  // leaves a small window.
  pixels_ = QSize(width / kTwipsPerPixel, height / kTwipsPerPixel);
  setGeometry(QRect(pos(), Logical(pixels_)));
}

QSize QtSaverWindow::Logical(QSize pixels) const {
  const double ratio = Ratio();
  return QSize(int(std::lround(pixels.width() / ratio)), int(std::lround(pixels.height() / ratio)));
}

QSize QtSaverWindow::Pixels() const {
  // At a fractional scale logical pixels times the ratio can miss by one.
  if (size() == Logical(pixels_)) return pixels_;
  const double ratio = Ratio();
  return QSize(int(std::lround(width() * ratio)), int(std::lround(height() * ratio)));
}

int QtSaverWindow::WidthTwips() const { return Pixels().width() * kTwipsPerPixel; }

int QtSaverWindow::HeightTwips() const { return Pixels().height() * kTwipsPerPixel; }

void QtSaverWindow::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const int shift = int(event->modifiers());
  Raise("frmScreenSaver.Form_KeyDown", &SaverEvents::Form_KeyDown)(key, shift);
  if (!event->text().isEmpty()) {
    const int character = event->text().at(0).unicode();
    Raise("frmScreenSaver.Form_KeyPress", &SaverEvents::Form_KeyPress)(character);
  }
}

void QtSaverWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat()) return;
  const int key = event->key();
  const int shift = int(event->modifiers());
  Raise("frmScreenSaver.Form_KeyUp", &SaverEvents::Form_KeyUp)(key, shift);
}

void QtSaverWindow::mouseReleaseEvent(QMouseEvent*) {
  Raise("frmScreenSaver.Form_Click", &SaverEvents::Form_Click)();
}

void QtSaverWindow::mouseDoubleClickEvent(QMouseEvent*) {
  Raise("frmScreenSaver.Form_DblClick", &SaverEvents::Form_DblClick)();
}

void QtSaverWindow::mouseMoveEvent(QMouseEvent* event) {
  const double ratio = Ratio();
  const auto x = static_cast<float>(event->position().x() * ratio);
  const auto y = static_cast<float>(event->position().y() * ratio);
  const int buttons = int(event->buttons());
  const int shift = int(event->modifiers());
  Raise("frmScreenSaver.Form_MouseMove", &SaverEvents::Form_MouseMove)(buttons, shift, x, y);
}

void QtSaverWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  Raise("frmScreenSaver.Form_Unload", &SaverEvents::Form_Unload)();
}

}  // namespace vs
