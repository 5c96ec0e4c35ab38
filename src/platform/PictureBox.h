#pragma once

#include <string>

namespace vs {

// A picture box on the saver window. Sizes and positions are in pixels. The
// picture is shown unscaled from the box's top-left corner and cut by the box.
class PictureBox {
 public:
  virtual ~PictureBox() = default;

  virtual void SetVisible(bool visible) = 0;
  virtual bool Visible() const = 0;
  virtual void SetAutoSize(bool autoSize) = 0;
  // Reads the picture file afresh; with AutoSize on, the box takes the
  // picture's size. Throws RuntimeFailure when the file cannot be read or
  // decoded.
  virtual void LoadPicture(const std::string& path) = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int width) = 0;
  virtual void SetHeight(int height) = 0;
  virtual void Move(int left, int top) = 0;
  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual void Refresh() = 0;
};

}  // namespace vs
