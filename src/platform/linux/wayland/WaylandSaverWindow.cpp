#include "platform/linux/wayland/WaylandSaverWindow.h"

#include <utility>

#include "platform/events/Dispatch.h"
#include "platform/linux/wayland/OutputLayout.h"
#include "platform/linux/wayland/PaintFrame.h"

namespace vs {

WaylandSaverWindow::WaylandSaverWindow(std::unique_ptr<WaylandConnection> connection,
                                       std::unique_ptr<WaylandRegistry> registry,
                                       SaverEvents& events, QtApplication& app,
                                       std::unique_ptr<MediaPlayer> player)
    : events_(events),
      app_(app),
      connection_(std::move(connection)),
      registry_(std::move(registry)),
      picture1_(
          app, [this] { return FormPixels(); }, [this] { RepaintFormSoon(); }),
      timer1_(kTimer1DesignInterval,
              Raiser("frmScreenSaver.Timer1_Timer", events_, &SaverEvents::Timer1_Timer)),
      timer2_(kTimer2DesignInterval,
              Raiser("frmScreenSaver.Timer2_Timer", events_, &SaverEvents::Timer2_Timer)),
      mediaPlayer1_(std::move(player)) {
  if (wl_seat* seat = registry_->Globals().seat) {
    seat_ = std::make_unique<WaylandSeat>(seat, static_cast<SeatEvents&>(*this));
  }
  registry_->OnOutputChanged([this](WaylandOutput& output) { OutputChanged(output); });
  registry_->OnOutputRemoved([this](WaylandOutput& output) { OutputRemoved(output); });
  // The outputs describe themselves, the seat names its keyboard and pointer.
  connection_->Roundtrip();
  // Nothing is left to show on: as when the system closes the window.
  connection_->OnLost(Raiser("frmScreenSaver.Form_Unload", events_, &SaverEvents::Form_Unload));
}

void WaylandSaverWindow::SetWindowPos(int, int, int, int, int, unsigned flags) {
  if (!(flags & kSwpShowWindow) || shown_) return;
  shown_ = true;
  if (WaylandOutput* output = FormOutput()) PlaceForm(*output);
  for (const auto& output : registry_->Outputs()) {
    if (output->Ready() && output.get() != formOutput_) Cover(*output);
  }
}

void WaylandSaverWindow::Hide() {
  shown_ = false;
  form_.reset();
  formOutput_ = nullptr;
  covers_.clear();
}

WaylandOutput* WaylandSaverWindow::FormOutput() const {
  if (formOutput_ != nullptr) return formOutput_;
  std::vector<WaylandOutput*> ready;
  std::vector<std::pair<int, int>> origins;
  for (const auto& output : registry_->Outputs()) {
    if (!output->Ready()) continue;
    ready.push_back(output.get());
    origins.push_back(output->Origin());
  }
  const auto chosen = ChooseFormOutput(origins);
  return chosen ? ready[*chosen] : nullptr;
}

PixelSize WaylandSaverWindow::FormPixels() const {
  const WaylandOutput* output = FormOutput();
  const PixelSize pixels = output != nullptr ? output->Pixels() : PixelSize{};
  // As a screen of no known size is taken elsewhere.
  return pixels.width > 0 && pixels.height > 0 ? pixels : PixelSize{640, 480};
}

void WaylandSaverWindow::OutputChanged(WaylandOutput& output) {
  if (!shown_) return;
  if (seat_) seat_->HideCursor();
  if (formOutput_ == nullptr) return PlaceForm(output);
  if (&output == formOutput_) return form_->Repaint();
  const auto cover = covers_.find(&output);
  if (cover != covers_.end()) return cover->second->Repaint();
  // New, or back after its cover was closed.
  Cover(output);
}

void WaylandSaverWindow::OutputRemoved(WaylandOutput& output) {
  if (&output == formOutput_) {
    form_.reset();
    formOutput_ = nullptr;
    Raiser("frmScreenSaver.Form_Unload", events_, &SaverEvents::Form_Unload)();
    return;
  }
  covers_.erase(&output);
}

void WaylandSaverWindow::PlaceForm(WaylandOutput& output) {
  formOutput_ = &output;
  form_ = std::make_unique<LayerSurface>(
      registry_->Globals(), output, [this](const Frame& frame) { picture1_.Paint(frame); },
      Raiser("frmScreenSaver.Form_Unload", events_, &SaverEvents::Form_Unload));
}

void WaylandSaverWindow::Cover(WaylandOutput& output) {
  covers_[&output] = std::make_unique<LayerSurface>(
      registry_->Globals(), output, [](const Frame& frame) { PaintFrame(frame, nullptr, {}); },
      [this, &output] {
        // The output stays: it is covered again when it next describes itself.
        const auto cover = covers_.find(&output);
        if (cover == covers_.end()) return;
        Release(std::move(cover->second));
        covers_.erase(cover);
      });
}

void WaylandSaverWindow::Release(std::unique_ptr<LayerSurface> surface) {
  released_.push_back(std::move(surface));
  QMetaObject::invokeMethod(
      connection_.get(), [this] { released_.clear(); }, Qt::QueuedConnection);
}

const LayerSurface* WaylandSaverWindow::SurfaceOf(wl_surface* surface) const {
  if (form_ && form_->Surface() == surface) return form_.get();
  for (const auto& [output, cover] : covers_) {
    if (cover->Surface() == surface) return cover.get();
  }
  return nullptr;
}

void WaylandSaverWindow::RepaintFormSoon() {
  // Once for every change a handler makes, when it lets events be delivered.
  if (repaintQueued_) return;
  repaintQueued_ = true;
  QMetaObject::invokeMethod(
      connection_.get(),
      [this] {
        repaintQueued_ = false;
        if (form_) form_->Repaint();
      },
      Qt::QueuedConnection);
}

void WaylandSaverWindow::KeyDown(int key, int shift) {
  Raiser("frmScreenSaver.Form_KeyDown", events_, &SaverEvents::Form_KeyDown)(key, shift);
}

void WaylandSaverWindow::KeyUp(int key, int shift) {
  Raiser("frmScreenSaver.Form_KeyUp", events_, &SaverEvents::Form_KeyUp)(key, shift);
}

void WaylandSaverWindow::KeyPress(int character) {
  Raiser("frmScreenSaver.Form_KeyPress", events_, &SaverEvents::Form_KeyPress)(character);
}

void WaylandSaverWindow::PointerAt(wl_surface* surface, double x, double y, int shift) {
  const LayerSurface* over = SurfaceOf(surface);
  if (over == nullptr || !form_) return;
  const auto [formX, formY] = FormPosition(form_->Place(), over->Place(), x, y);
  // The form does not look at the buttons held: any one ends it when released.
  Raiser("frmScreenSaver.Form_MouseMove", events_, &SaverEvents::Form_MouseMove)(0, shift, formX,
                                                                                 formY);
}

void WaylandSaverWindow::ButtonReleased() {
  Raiser("frmScreenSaver.Form_Click", events_, &SaverEvents::Form_Click)();
}

std::unique_ptr<SaverWindow> CreateWaylandSaverWindow(
    SaverEvents& events, QtApplication& app,
    const std::function<std::unique_ptr<MediaPlayer>()>& makePlayer) {
  auto connection = WaylandConnection::Open();
  if (!connection) return nullptr;
  auto registry = std::make_unique<WaylandRegistry>(connection->Display());
  if (!connection->Roundtrip()) return nullptr;
  const WaylandGlobals& globals = registry->Globals();
  if (globals.layerShell == nullptr || globals.compositor == nullptr || globals.shm == nullptr) {
    return nullptr;
  }
  return std::make_unique<WaylandSaverWindow>(std::move(connection), std::move(registry), events,
                                              app, makePlayer());
}

}  // namespace vs
