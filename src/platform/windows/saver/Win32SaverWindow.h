#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/SaverWindow.h"
#include "platform/events/Dispatch.h"
#include "platform/windows/Win32.h"
#include "platform/windows/app/ObjectWindow.h"
#include "platform/windows/saver/Win32MediaPlayerControl.h"
#include "platform/windows/saver/Win32PictureBox.h"
#include "platform/windows/saver/Win32ScreenCovers.h"
#include "platform/windows/saver/Win32Timer.h"

namespace vs {

// The saver form on Win32: a black, borderless, top-most popup window on the
// primary monitor, black covers on the others, with its picture box and timers.
// Sizes are device pixels (the program is per-monitor DPI aware), in twips
// where the interface says so.
class Win32SaverWindow : public SaverWindow {
 public:
  // Pictures are decoded while `eventWait` keeps delivering messages.
  Win32SaverWindow(SaverEvents& events, EventWait& eventWait, std::unique_ptr<MediaPlayer> player);
  ~Win32SaverWindow() override;
  // Its windows hold its address.
  Win32SaverWindow(const Win32SaverWindow&) = delete;
  Win32SaverWindow& operator=(const Win32SaverWindow&) = delete;

  void SetWindowPos(int insertAfter, int x, int y, int cx, int cy, unsigned flags) override;
  int ScreenWidthTwips() const override;
  int ScreenHeightTwips() const override;
  void SetSizeTwips(int width, int height) override;
  int WidthTwips() const override;
  int HeightTwips() const override;
  void Hide() override;

  PictureBox& Picture1() override { return *picture1_; }
  Timer& Timer1() override { return timer1_; }
  Timer& Timer2() override { return timer2_; }
  MediaPlayer& MediaPlayer1() override { return *mediaPlayer1_; }

  HWND Handle() const { return window_.Get(); }
  HWND PictureHandle() const { return picture1_->Handle(); }
  std::vector<HWND> Covers() const { return covers_.Windows(); }

  LRESULT Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // A callback that dispatches the form's event handler `handler`.
  template <typename... Args>
  auto Raise(const char* name, void (SaverEvents::*handler)(Args...)) {
    return Raiser(name, events_, handler);
  }
  HWND CreateForm();
  std::function<void(int, int)> FormKeyUp();
  MouseSink MouseHandler();
  // Mouse input of the form, its picture and its covers, at `onForm`.
  void Mouse(UINT message, WPARAM wParam, POINT onForm);
  RECT Screen() const;
  RECT Area() const;
  // From its showing on: what ends the saver as Windows' own savers end, and
  // the watch on the screens.
  void BecomeUp();
  void FollowTheScreens();
  // The saver is no longer what the user sees or types into.
  void Withdrawn();

  SaverEvents& events_;
  // First in, last out: the controls are its children.
  OwnedWindow window_;
  KeyHandlers keys_;
  std::unique_ptr<Win32PictureBox> picture1_;
  std::unique_ptr<Win32MediaPlayerControl> mediaPlayer1_;
  Win32Timer timer1_;
  Win32Timer timer2_;
  Win32ScreenCovers covers_;
  bool up_ = false;
  HWINEVENTHOOK foregroundHook_ = nullptr;
};

// The saver form on Win32.
std::unique_ptr<SaverWindow> CreateWin32SaverWindow(SaverEvents& events, EventWait& eventWait,
                                                    std::unique_ptr<MediaPlayer> player);

}  // namespace vs
