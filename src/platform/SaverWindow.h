#pragma once

#include <cstdint>

#include "platform/MediaPlayer.h"
#include "platform/PictureBox.h"
#include "platform/Timer.h"

namespace vs {

// Events of the saver form and its controls, raised on the UI thread.
class SaverEvents {
 public:
  virtual ~SaverEvents() = default;

  virtual void Form_KeyDown(int keyCode, int shift) = 0;
  virtual void Form_KeyUp(int keyCode, int shift) = 0;
  virtual void Form_KeyPress(int keyAscii) = 0;
  virtual void Form_Click() = 0;
  virtual void Form_DblClick() = 0;
  virtual void Form_MouseMove(int button, int shift, float x, float y) = 0;
  // The window is being closed other than by ending the program.
  virtual void Form_Unload() = 0;
  virtual void Picture1_KeyDown(int keyCode, int shift) = 0;
  virtual void Picture1_KeyPress(int keyAscii) = 0;
  virtual void Timer1_Timer() = 0;
  virtual void Timer2_Timer() = 0;
  virtual void MediaPlayer1_KeyDown(int keyCode, int shift) = 0;
  virtual void MediaPlayer1_KeyPress(int keyAscii) = 0;
};

// The saver form: a black, borderless window with its controls.
// Window sizes are in twips, kTwipsPerPixel to the device pixel.
class SaverWindow {
 public:
  static constexpr int kTwipsPerPixel = 15;
  static constexpr int kHwndTopmost = -1;
  static constexpr unsigned kSwpNoSize = 0x1;
  static constexpr unsigned kSwpShowWindow = 0x40;
  // The timers' intervals until the form sets them.
  static constexpr std::int32_t kTimer1DesignInterval = 2000;
  static constexpr std::int32_t kTimer2DesignInterval = 200;

  virtual ~SaverWindow() = default;

  // Places the window in the z-order given by insertAfter; moves it to (x, y);
  // sizes it to (cx, cy) unless kSwpNoSize; shows it with kSwpShowWindow.
  virtual void SetWindowPos(int insertAfter, int x, int y, int cx, int cy, unsigned flags) = 0;
  virtual int ScreenWidthTwips() const = 0;
  virtual int ScreenHeightTwips() const = 0;
  virtual void SetSizeTwips(int width, int height) = 0;
  virtual int WidthTwips() const = 0;
  virtual int HeightTwips() const = 0;
  virtual void Hide() = 0;

  virtual PictureBox& Picture1() = 0;
  virtual Timer& Timer1() = 0;
  virtual Timer& Timer2() = 0;
  virtual MediaPlayer& MediaPlayer1() = 0;
};

}  // namespace vs
