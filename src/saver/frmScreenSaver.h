#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Platform.h"
#include "playback/AudioPlayback.h"
#include "playback/Slideshow.h"
#include "settings/Logfile.h"
#include "settings/support.h"

namespace vs {

// The start-up form: picks the mode from the command line and, in saver mode,
// is the full-screen window that the first real input ends.
class frmScreenSaver : public SaverEvents {
 public:
  // `showConfiguration` shows the configuration dialog modally.
  frmScreenSaver(Platform& platform, Support& support, Logfile& log,
                 std::function<void()> showConfiguration);

  void Form_Load();
  // Shows the cursor again and ends the program.
  void EndSaver();
  // A failure that escaped the event handler `handler`, of any form: writes its
  // failure report and ends through EndSaver.
  void HandlerFailed(const std::string& handler, const std::string& description);

  void Form_KeyDown(int keyCode, int shift) override;
  void Form_KeyUp(int keyCode, int shift) override;
  void Form_KeyPress(int keyAscii) override;
  void Form_Click() override;
  void Form_DblClick() override;
  void Form_MouseMove(int button, int shift, float x, float y) override;
  void Form_Unload() override;
  void Picture1_KeyDown(int keyCode, int shift) override;
  void Picture1_KeyPress(int keyAscii) override;
  void Timer1_Timer() override { slideshow_.Timer1_Timer(); }
  void Timer2_Timer() override { audio_.Timer2_Timer(); }
  void MediaPlayer1_KeyDown(int keyCode, int shift) override;
  void MediaPlayer1_KeyPress(int keyAscii) override;

  SaverWindow& Window() { return *window_; }
  const Slideshow& Slides() const { return slideshow_; }
  const AudioPlayback& Audio() const { return audio_; }

 private:
  void StartSaver();

  Platform& platform_;
  Application& app_;
  Support& support_;
  Logfile& log_;
  std::function<void()> showConfiguration_;
  std::unique_ptr<SaverWindow> window_;
  Slideshow slideshow_;
  AudioPlayback audio_;
  // (0, 0) means nothing remembered yet.
  std::int16_t lastMouseX_ = 0;
  std::int16_t lastMouseY_ = 0;
};

}  // namespace vs
