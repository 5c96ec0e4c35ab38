#include "platform/controls/PictureBoxControl.h"

#include <utility>

#include "platform/events/RunDeliveringEvents.h"

namespace vs {

void PictureBoxControl::SetVisible(bool visible) {
  visible_ = visible;
  ShowBox(visible);
}

void PictureBoxControl::LoadPicture(const std::string& path) {
  // Let go of the shown picture first: only one frame is held at a time.
  picture_ = DecodedPicture();
  PictureChanged();
  const int formWidth = FormWidthPixels();
  const int formHeight = FormHeightPixels();
  DecodedPicture picture;
  // Input keeps being handled however long a hostile, huge or far-away file takes.
  RunDeliveringEvents(events_,
                      [&] { picture = DecodePictureFile(path, formWidth, formHeight); });
  picture_ = std::move(picture);
  if (autoSize_) {
    width_ = picture_.width;
    height_ = picture_.height;
    PlaceBox();
  }
  PictureChanged();
}

void PictureBoxControl::SetWidth(int width) {
  width_ = width;
  PlaceBox();
}

void PictureBoxControl::SetHeight(int height) {
  height_ = height;
  PlaceBox();
}

void PictureBoxControl::Move(int left, int top) {
  left_ = left;
  top_ = top;
  PlaceBox();
}

}  // namespace vs
