#pragma once

#include "platform/controls/PictureBoxControl.h"
#include "platform/windows/Win32.h"
#include "platform/windows/app/ObjectWindow.h"
#include "platform/windows/saver/ControlInput.h"

namespace vs {

// Picture1: a child window of the form that shows its picture in device
// pixels, unscaled from its top-left corner and cut by the box. Its keys are
// its own; mouse input goes on to the form.
class Win32PictureBox : public PictureBoxControl {
 public:
  Win32PictureBox(HWND form, KeyHandlers keys, MouseSink mouse, EventWait& events);
  // Its windows hold its address.
  Win32PictureBox(const Win32PictureBox&) = delete;
  Win32PictureBox& operator=(const Win32PictureBox&) = delete;

  void Refresh() override;

  HWND Handle() const { return window_.Get(); }
  LRESULT Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  int FormWidthPixels() const override;
  int FormHeightPixels() const override;
  void ShowBox(bool visible) override;
  void PlaceBox() override;
  void PictureChanged() override;

 private:
  void Paint(HDC dc) const;

  HWND form_;
  KeyHandlers keys_;
  MouseSink mouse_;
  OwnedWindow window_;
};

}  // namespace vs
