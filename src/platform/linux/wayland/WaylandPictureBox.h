#pragma once

#include <functional>

#include "platform/controls/PictureBoxControl.h"
#include "platform/linux/wayland/PaintFrame.h"
#include "platform/linux/wayland/SurfaceScale.h"

namespace vs {

// Picture1 drawn into the form's surface, in its output's device pixels.
class WaylandPictureBox : public PictureBoxControl {
 public:
  // `formPixels`: the form's size; `changed`: the form must be drawn again.
  WaylandPictureBox(EventWait& events, std::function<PixelSize()> formPixels,
                    std::function<void()> changed);

  void Refresh() override { changed_(); }
  // The form's frame with the box on it.
  void Paint(const Frame& frame) const;

 protected:
  int FormWidthPixels() const override { return formPixels_().width; }
  int FormHeightPixels() const override { return formPixels_().height; }
  void ShowBox(bool) override { changed_(); }
  void PlaceBox() override { changed_(); }
  void PictureChanged() override { changed_(); }

 private:
  std::function<PixelSize()> formPixels_;
  std::function<void()> changed_;
};

}  // namespace vs
