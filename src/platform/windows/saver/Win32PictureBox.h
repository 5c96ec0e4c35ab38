#pragma once

#include <cstdint>
#include <vector>

#include "platform/PictureBox.h"
#include "platform/windows/Win32.h"
#include "platform/windows/saver/ControlInput.h"
#include "platform/windows/app/ObjectWindow.h"

namespace vs {

// Picture1: a child window of the form that shows its picture in device
// pixels, unscaled from its top-left corner and cut by the box. Its keys are
// its own; mouse input goes on to the form.
class Win32PictureBox : public PictureBox {
 public:
  Win32PictureBox(HWND form, KeyHandlers keys, MouseSink mouse);
  // Its windows hold its address.
  Win32PictureBox(const Win32PictureBox&) = delete;
  Win32PictureBox& operator=(const Win32PictureBox&) = delete;

  void SetVisible(bool visible) override;
  bool Visible() const override;
  void SetAutoSize(bool autoSize) override { autoSize_ = autoSize; }
  void LoadPicture(const std::string& path) override;
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width) override;
  void SetHeight(int height) override;
  void Move(int left, int top) override;
  int Left() const override { return left_; }
  int Top() const override { return top_; }
  void Refresh() override;

  HWND Handle() const { return window_.Get(); }
  LRESULT Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void ApplyGeometry();
  void Paint(HDC dc) const;

  HWND form_;
  KeyHandlers keys_;
  MouseSink mouse_;
  bool autoSize_ = false;
  int width_ = 0, height_ = 0, left_ = 0, top_ = 0;
  // The decoded part of the picture, 0xFFRRGGBB rows: a top-down 32-bit DIB.
  std::vector<std::uint32_t> pixels_;
  int pixelsWidth_ = 0, pixelsHeight_ = 0;
  OwnedWindow window_;
};

}  // namespace vs
