#include "playback/CentrePicture.h"

#include "core/Conversions.h"

namespace vs {

void CentrePicture(SaverWindow& window, Application& app, const std::string& path, bool refresh) {
  // The window covers the screen, so its size in pixels is the screen's.
  const float screenWidth = static_cast<float>(window.WidthTwips()) / SaverWindow::kTwipsPerPixel;
  const float screenHeight = static_cast<float>(window.HeightTwips()) / SaverWindow::kTwipsPerPixel;
  PictureBox& picture = window.Picture1();
  if (refresh) picture.Refresh();
  picture.SetAutoSize(true);
  picture.LoadPicture(path);
  if (static_cast<float>(picture.Width()) > screenWidth) {
    picture.SetWidth(static_cast<int>(screenWidth));
  }
  if (static_cast<float>(picture.Height()) > screenHeight) {
    picture.SetHeight(static_cast<int>(screenHeight));
  }
  const float left = (screenWidth - static_cast<float>(picture.Width())) / 2;
  const float top = (screenHeight - static_cast<float>(picture.Height())) / 2;
  picture.Move(RoundToInt16(left), RoundToInt16(top));
  app.DoEvents();
  picture.SetVisible(true);
}

}  // namespace vs
