#pragma once

#include <QWidget>
#include <memory>

#include "platform/MediaPlayer.h"
#include "platform/linux/qt/KeyHandlers.h"

namespace vs {

// MediaPlayer1: plays through `backend`; as a focusable control on the saver
// form, its key-down and key-press events end the program.
class QtMediaPlayerWidget : public QWidget, public MediaPlayer {
 public:
  QtMediaPlayerWidget(QWidget* parent, std::unique_ptr<MediaPlayer> backend, KeyHandlers handlers);

  std::int32_t PlayState() override { return backend_->PlayState(); }
  void SetAutoStart(bool autoStart) override { backend_->SetAutoStart(autoStart); }
  void SetFileName(const std::string& path) override { backend_->SetFileName(path); }
  void Play() override { backend_->Play(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::unique_ptr<MediaPlayer> backend_;
  KeyHandlers handlers_;
};

}  // namespace vs
