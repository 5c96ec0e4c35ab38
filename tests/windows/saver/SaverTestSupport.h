#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/SaverWindow.h"
#include "platform/windows/Win32.h"

namespace vs::test {

// Records the saver's events by handler name; mouse moves with their place.
class RecordedEvents : public SaverEvents {
 public:
  void Form_KeyDown(int keyCode, int shift) override {
    Add("Form_KeyDown " + std::to_string(keyCode) + "," + std::to_string(shift));
  }
  void Form_KeyUp(int keyCode, int) override { Add("Form_KeyUp " + std::to_string(keyCode)); }
  void Form_KeyPress(int keyAscii) override { Add("Form_KeyPress " + std::to_string(keyAscii)); }
  void Form_Click() override { Add("Form_Click"); }
  void Form_DblClick() override { Add("Form_DblClick"); }
  void Form_MouseMove(int button, int, float x, float y) override {
    Add("Form_MouseMove " + std::to_string(button) + " " + std::to_string(int(x)) + "," +
        std::to_string(int(y)));
  }
  void Form_Unload() override { Add("Form_Unload"); }
  void Picture1_KeyDown(int keyCode, int) override {
    Add("Picture1_KeyDown " + std::to_string(keyCode));
  }
  void Picture1_KeyPress(int keyAscii) override {
    Add("Picture1_KeyPress " + std::to_string(keyAscii));
  }
  void Timer1_Timer() override { Add("Timer1_Timer"); }
  void Timer2_Timer() override { Add("Timer2_Timer"); }
  void MediaPlayer1_KeyDown(int keyCode, int) override {
    Add("MediaPlayer1_KeyDown " + std::to_string(keyCode));
  }
  void MediaPlayer1_KeyPress(int keyAscii) override {
    Add("MediaPlayer1_KeyPress " + std::to_string(keyAscii));
  }

  std::vector<std::string> calls;
  // Runs at every event, after it is recorded.
  std::function<void()> onEvent;

 private:
  void Add(std::string call) {
    calls.push_back(std::move(call));
    if (onEvent) onEvent();
  }
};

class SilentPlayer : public MediaPlayer {
 public:
  std::int32_t PlayState() override { return 0; }
  void SetAutoStart(bool) override {}
  void SetFileName(const std::string&) override {}
  void Play() override {}
};

// Delivers this thread's messages, as the program's loop does, until `done`
// holds; false when it still does not after a generous deadline.
bool DeliverUntil(const std::function<bool()>& done);

// Delivers the messages already queued.
void DeliverQueued();

}  // namespace vs::test
