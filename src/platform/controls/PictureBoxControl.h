#pragma once

#include "formats/picture/DecodePicture.h"
#include "platform/PictureBox.h"
#include "platform/events/EventWait.h"

namespace vs {

// The picture box's rules, whatever window system draws it: with AutoSize the
// box takes the picture's size, each side is then set by itself (the picture
// is cut, never scaled), Move keeps the size, and only the part of a picture
// that a box on the form can show is decoded, in device pixels, on a worker
// while events keep coming.
class PictureBoxControl : public PictureBox {
 public:
  void SetVisible(bool visible) override;
  bool Visible() const override { return visible_; }
  void SetAutoSize(bool autoSize) override { autoSize_ = autoSize; }
  void LoadPicture(const std::string& path) override;
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width) override;
  void SetHeight(int height) override;
  void Move(int left, int top) override;
  int Left() const override { return left_; }
  int Top() const override { return top_; }

 protected:
  explicit PictureBoxControl(EventWait& events) : events_(events) {}

  // The form's size in device pixels: no more of a picture can be seen.
  virtual int FormWidthPixels() const = 0;
  virtual int FormHeightPixels() const = 0;
  virtual void ShowBox(bool visible) = 0;
  // The box moved or changed its size.
  virtual void PlaceBox() = 0;
  // The picture changed: draw it when the window system next paints.
  virtual void PictureChanged() = 0;

  // The decoded part of the picture shown, from the box's top-left corner.
  const DecodedPicture& Shown() const { return picture_; }

 private:
  EventWait& events_;
  DecodedPicture picture_;
  bool visible_ = false;
  bool autoSize_ = false;
  int width_ = 0, height_ = 0, left_ = 0, top_ = 0;
};

}  // namespace vs
