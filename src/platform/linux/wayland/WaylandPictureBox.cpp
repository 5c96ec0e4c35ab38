#include "platform/linux/wayland/WaylandPictureBox.h"

namespace vs {

WaylandPictureBox::WaylandPictureBox(EventWait& events, std::function<PixelSize()> formPixels,
                                     std::function<void()> changed)
    : PictureBoxControl(events), formPixels_(std::move(formPixels)), changed_(std::move(changed)) {}

void WaylandPictureBox::Paint(const Frame& frame) const {
  PaintFrame(frame, Visible() ? &Shown() : nullptr, {Left(), Top(), Width(), Height()});
}

}  // namespace vs
