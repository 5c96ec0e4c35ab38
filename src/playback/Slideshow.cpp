#include "playback/Slideshow.h"

#include <exception>
#include <string>

#include "core/Extension.h"
#include "playback/CentrePicture.h"

namespace vs {

Slideshow::Slideshow(SaverWindow& window, Application& app, Support& support, Logfile& log,
                     std::function<void()> endSaver)
    : window_(window), app_(app), support_(support), log_(log), endSaver_(std::move(endSaver)) {}

void Slideshow::Timer1_Timer() {
  Timer& timer1 = window_.Timer1();
  try {
    app_.DoEvents();
    timer1.SetEnabled(false);
    timer1.SetInterval(support_.TimerInterval);
    const bool isImage = IsImageEntry(support_.ImageFiles(ImageIndex));
    if (SkipPending == 1) {
      SkipPending = 0;
      if (isImage) {
        // Shown by the next tick, so the picture before the passed-over run
        // stays up for a further interval.
        timer1.SetEnabled(true);
        app_.DoEvents();
        return;
      }
      timer1.SetInterval(kPassOverInterval);
      SkipPending = 1;
    } else if (isImage) {
      window_.Picture1().SetVisible(false);
      window_.SetWindowPos(SaverWindow::kHwndTopmost, 0, 0, 0, 0, SaverWindow::kSwpNoSize);
      CentrePicture(window_, app_, support_.ImageFiles(ImageIndex), false);
    } else {
      timer1.SetInterval(kPassOverInterval);
      SkipPending = 1;
    }
    Advance();
    app_.DoEvents();
    timer1.SetEnabled(true);
  } catch (const std::exception& failure) {
    Fail(failure);
  }
}

void Slideshow::Advance() {
  // In 32 bits: with 32,767 entries plus the splash the last index is 32767.
  const std::int32_t next = ImageIndex + 1;
  ImageIndex = static_cast<std::int16_t>(next == support_.ImageFiles.UBound() + 1 ? 0 : next);
}

void Slideshow::Fail(const std::exception& failure) {
  std::string description = failure.what();
  if (support_.ImageFiles.Count() == 1) {
    // Only the splash is listed: keep it on screen and stop the slideshow.
    try {
      CentrePicture(window_, app_, support_.SplashPath(), true);
      return;
    } catch (const std::exception& again) {
      description = again.what();
    }
  }
  log_.WriteLog("Error out in images/avi loop object");
  log_.WriteLog(description);
  endSaver_();
}

}  // namespace vs
