#include "saver/frmScreenSaver.h"

#include <cmath>
#include <exception>
#include <string>

#include "core/Conversions.h"
#include "playback/CentrePicture.h"
#include "saver/StartMode.h"

namespace vs {
namespace {

constexpr float kMouseJump = 5;

}  // namespace

frmScreenSaver::frmScreenSaver(Platform& platform, Support& support, Logfile& log,
                               std::function<void()> showConfiguration)
    : platform_(platform),
      app_(platform.App()),
      support_(support),
      log_(log),
      showConfiguration_(std::move(showConfiguration)),
      window_(platform.CreateSaverWindow(*this)),
      slideshow_(*window_, app_, support_, log_, [this] { EndSaver(); }),
      audio_(*window_, app_, support_, log_) {}

void frmScreenSaver::Form_Load() {
  try {
    app_.DoEvents();
    FileSystem& files = platform_.Files();
    if (files.IsOrdinaryFile(log_.Path())) files.DeleteFile(log_.Path());
    log_.WriteLog("Open file");

    switch (ModeOf(app_.CommandLine())) {
      case StartMode::kSaver:
        StartSaver();
        return;
      case StartMode::kConfiguration:
        log_.WriteLog("c mode");
        window_->Hide();
        showConfiguration_();
        break;
      case StartMode::kOther:
        log_.WriteLog("Others mode");
        break;
    }
    app_.End();
  } catch (const std::exception& failure) {
    log_.WriteLog("Error out in load frmscreensaver object");
    log_.WriteLog(failure.what());
    EndSaver();
  }
}

void frmScreenSaver::StartSaver() {
  app_.DoEvents();
  window_->SetWindowPos(SaverWindow::kHwndTopmost, 0, 0, 0, 0, SaverWindow::kSwpShowWindow);
  app_.ShowCursor(false);
  log_.WriteLog("s mode");
  window_->SetSizeTwips(window_->ScreenWidthTwips(), window_->ScreenHeightTwips());
  support_.LoadIni();
  CentrePicture(*window_, app_, support_.SplashPath(), true);
  Timer& timer1 = window_->Timer1();
  timer1.SetInterval(support_.TimerInterval);
  timer1.SetEnabled(true);
  window_->Timer2().SetEnabled(true);
  log_.WriteLog(std::to_string(support_.TimerInterval));
  log_.WriteLog(std::to_string(timer1.Interval()));
}

void frmScreenSaver::EndSaver() {
  app_.ShowCursor(true);
  app_.SetDefaultMousePointer();
  app_.End();
}

void frmScreenSaver::HandlerFailed(const std::string& handler, const std::string& description) {
  log_.WriteLog("Error out in " + handler);
  log_.WriteLog(description);
  EndSaver();
}

void frmScreenSaver::Form_KeyDown(int, int) { EndSaver(); }
void frmScreenSaver::Form_KeyUp(int, int) { EndSaver(); }
void frmScreenSaver::Form_KeyPress(int) { EndSaver(); }
void frmScreenSaver::Form_Click() { EndSaver(); }
void frmScreenSaver::Form_DblClick() { EndSaver(); }
void frmScreenSaver::Form_Unload() { EndSaver(); }

void frmScreenSaver::Form_MouseMove(int, int, float x, float y) {
  if (lastMouseX_ != 0 || lastMouseY_ != 0) {
    const float dx = std::fabs(static_cast<float>(lastMouseX_) - x);
    const float dy = std::fabs(static_cast<float>(lastMouseY_) - y);
    if (dx >= kMouseJump || dy >= kMouseJump) app_.End();
  }
  lastMouseX_ = RoundToInt16(x);
  lastMouseY_ = RoundToInt16(y);
}

// The picture box and the player end the program without the cursor step.
void frmScreenSaver::Picture1_KeyDown(int, int) { app_.End(); }
void frmScreenSaver::Picture1_KeyPress(int) { app_.End(); }
void frmScreenSaver::MediaPlayer1_KeyDown(int, int) { app_.End(); }
void frmScreenSaver::MediaPlayer1_KeyPress(int) { app_.End(); }

}  // namespace vs
