#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/SaverWindow.h"
#include "platform/events/Dispatch.h"
#include "platform/linux/qt/HostWindow.h"
#include "platform/linux/qt/KeyboardFocusGuard.h"
#include "platform/linux/qt/QtMediaPlayerWidget.h"
#include "platform/linux/qt/QtPictureBox.h"
#include "platform/linux/qt/QtTimer.h"
#include "platform/linux/qt/SaverHold.h"
#include "platform/linux/qt/ScreenCovers.h"

namespace vs {

// The black, borderless, top-most saver form on the primary monitor, with a
// black cover on every other one; or, given a host window, the form fills
// that window instead and leaves input to its host. On Wayland, where a
// toolkit window can neither place itself nor stay on top, each of them is a
// full-screen window on its output that must keep the keyboard focus. Window
// sizes are in twips of device pixels; Qt's own geometry is in logical pixels.
class QtSaverWindow : public QWidget, public SaverWindow {
 public:
  // Pictures are decoded while `events` keep coming.
  QtSaverWindow(SaverEvents& events, EventWait& eventWait, std::unique_ptr<MediaPlayer> player,
                std::optional<std::uint32_t> host = std::nullopt);

  void SetWindowPos(int insertAfter, int x, int y, int cx, int cy, unsigned flags) override;
  int ScreenWidthTwips() const override;
  int ScreenHeightTwips() const override;
  void SetSizeTwips(int width, int height) override;
  int WidthTwips() const override;
  int HeightTwips() const override;
  void Hide() override { hide(); }

  PictureBox& Picture1() override { return *picture1_; }
  Timer& Timer1() override { return timer1_; }
  Timer& Timer2() override { return timer2_; }
  MediaPlayer& MediaPlayer1() override { return *mediaPlayer1_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // A callback that dispatches the form's event handler `handler`.
  template <typename... Args>
  auto Raise(const char* name, void (SaverEvents::*handler)(Args...)) {
    return Raiser(name, events_, handler);
  }
  QSize ScreenPixels() const;
  double Ratio() const;
  QSize Logical(QSize pixels) const;
  // The device size the form was given, while its logical size still matches.
  QSize Pixels() const;

  SaverEvents& events_;
  QtPictureBox* picture1_;
  QtMediaPlayerWidget* mediaPlayer1_;
  QtTimer timer1_;
  QtTimer timer2_;
  QSize pixels_;
  ScreenCovers covers_;
  SaverHold hold_;
  KeyboardFocusGuard focus_;
  std::unique_ptr<HostWindow> host_;
};

}  // namespace vs
