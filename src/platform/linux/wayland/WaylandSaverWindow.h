#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/SaverWindow.h"
#include "platform/linux/qt/QtApplication.h"
#include "platform/linux/qt/QtTimer.h"
#include "platform/linux/wayland/LayerSurface.h"
#include "platform/linux/wayland/SeatEvents.h"
#include "platform/linux/wayland/WaylandConnection.h"
#include "platform/linux/wayland/WaylandPictureBox.h"
#include "platform/linux/wayland/WaylandRegistry.h"
#include "platform/linux/wayland/WaylandSeat.h"

namespace vs {

// The saver form on a Wayland compositor's layer shell: a black surface over
// the output at the layout's origin (else the first one announced) with the
// picture box on it, and a black cover over every other output that belongs
// to the form: keys, clicks and moves anywhere reach the form's handlers, in
// the form's device pixels. Sizes are in twips of its output's device pixels.
class WaylandSaverWindow : public SaverWindow, private SeatEvents {
 public:
  // After a first roundtrip on `connection`, whose globals include a layer shell.
  WaylandSaverWindow(std::unique_ptr<WaylandConnection> connection,
                     std::unique_ptr<WaylandRegistry> registry, SaverEvents& events,
                     QtApplication& app, std::unique_ptr<MediaPlayer> player);

  // The overlay layer keeps it above everything and over its whole output.
  void SetWindowPos(int insertAfter, int x, int y, int cx, int cy, unsigned flags) override;
  int ScreenWidthTwips() const override { return FormPixels().width * kTwipsPerPixel; }
  int ScreenHeightTwips() const override { return FormPixels().height * kTwipsPerPixel; }
  // A layer surface anchored to every edge has its output's size, whatever is asked.
  void SetSizeTwips(int, int) override {}
  int WidthTwips() const override { return ScreenWidthTwips(); }
  int HeightTwips() const override { return ScreenHeightTwips(); }
  void Hide() override;

  PictureBox& Picture1() override { return picture1_; }
  Timer& Timer1() override { return timer1_; }
  Timer& Timer2() override { return timer2_; }
  MediaPlayer& MediaPlayer1() override { return *mediaPlayer1_; }

 private:
  void KeyDown(int key, int shift) override;
  void KeyUp(int key, int shift) override;
  void KeyPress(int character) override;
  void PointerAt(wl_surface* surface, double x, double y, int shift) override;
  void ButtonReleased() override;
  void InputArrived() override { app_.InputArrived(); }

  // The output the form covers, or would cover once shown.
  WaylandOutput* FormOutput() const;
  PixelSize FormPixels() const;
  void OutputChanged(WaylandOutput& output);
  void OutputRemoved(WaylandOutput& output);
  void PlaceForm(WaylandOutput& output);
  void Cover(WaylandOutput& output);
  // A surface the compositor closed, destroyed once its own event is over.
  void Release(std::unique_ptr<LayerSurface> surface);
  const LayerSurface* SurfaceOf(wl_surface* surface) const;
  void RepaintFormSoon();

  SaverEvents& events_;
  QtApplication& app_;
  // First in, last out: every object below lives on it.
  std::unique_ptr<WaylandConnection> connection_;
  std::unique_ptr<WaylandRegistry> registry_;
  WaylandPictureBox picture1_;
  QtTimer timer1_;
  QtTimer timer2_;
  std::unique_ptr<MediaPlayer> mediaPlayer1_;
  std::unique_ptr<WaylandSeat> seat_;
  bool shown_ = false;
  WaylandOutput* formOutput_ = nullptr;
  std::unique_ptr<LayerSurface> form_;
  std::map<const WaylandOutput*, std::unique_ptr<LayerSurface>> covers_;
  std::vector<std::unique_ptr<LayerSurface>> released_;
  bool repaintQueued_ = false;
};

// The saver form on the compositor's layer shell, with its media player from
// `makePlayer`; null when no compositor answers or it has no layer shell.
std::unique_ptr<SaverWindow> CreateWaylandSaverWindow(
    SaverEvents& events, QtApplication& app,
    const std::function<std::unique_ptr<MediaPlayer>()>& makePlayer);

}  // namespace vs
