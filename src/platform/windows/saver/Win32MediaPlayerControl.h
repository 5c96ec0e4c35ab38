#pragma once

#include <memory>

#include "platform/MediaPlayer.h"
#include "platform/windows/Win32.h"
#include "platform/windows/saver/ControlInput.h"
#include "platform/windows/app/ObjectWindow.h"

namespace vs {

// MediaPlayer1: plays through `backend`; as a control of the saver form with
// no face of its own, it can hold the keyboard focus (Tab moves it there) and
// raises its key events then.
class Win32MediaPlayerControl : public MediaPlayer {
 public:
  Win32MediaPlayerControl(HWND form, std::unique_ptr<MediaPlayer> backend, KeyHandlers keys);
  // Its windows hold its address.
  Win32MediaPlayerControl(const Win32MediaPlayerControl&) = delete;
  Win32MediaPlayerControl& operator=(const Win32MediaPlayerControl&) = delete;

  std::int32_t PlayState() override { return backend_->PlayState(); }
  void SetAutoStart(bool autoStart) override { backend_->SetAutoStart(autoStart); }
  void SetFileName(const std::string& path) override { backend_->SetFileName(path); }
  void Play() override { backend_->Play(); }

  HWND Handle() const { return window_.Get(); }
  LRESULT Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  std::unique_ptr<MediaPlayer> backend_;
  KeyHandlers keys_;
  OwnedWindow window_;
};

}  // namespace vs
