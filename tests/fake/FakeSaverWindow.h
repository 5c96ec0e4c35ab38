#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "platform/SaverWindow.h"

namespace vs::fake {

struct Size {
  int width = 0, height = 0;
};

// What the user sees when the picture box becomes visible.
struct Shown {
  std::string path;
  int left = 0, top = 0, width = 0, height = 0;
  std::int64_t at = 0;
};

class FakePictureBox : public PictureBox {
 public:
  FakePictureBox(const std::map<std::string, Size>& pictures, const FakeClock& clock)
      : pictures_(pictures), clock_(clock) {}

  void SetVisible(bool visible) override;
  bool Visible() const override { return visible_; }
  void SetAutoSize(bool autoSize) override { autoSize_ = autoSize; }
  void LoadPicture(const std::string& path) override;
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width) override { width_ = width; }
  void SetHeight(int height) override { height_ = height; }
  void Move(int left, int top) override { left_ = left, top_ = top; }
  int Left() const override { return left_; }
  int Top() const override { return top_; }
  void Refresh() override { ++refreshes; }

  std::vector<std::string> loads;
  std::vector<Shown> shown;
  int failNextLoads = 0;
  int refreshes = 0;

 private:
  const std::map<std::string, Size>& pictures_;
  const FakeClock& clock_;
  std::string picture_;
  bool visible_ = false, autoSize_ = false;
  int width_ = 0, height_ = 0, left_ = 0, top_ = 0;
};

// Plays a file for its configured duration on the simulated clock.
class FakeMediaPlayer : public MediaPlayer {
 public:
  FakeMediaPlayer(const std::map<std::string, std::int64_t>& sounds, const FakeClock& clock)
      : sounds_(sounds), clock_(clock) {}

  std::int32_t PlayState() override;
  void SetAutoStart(bool autoStart) override { autoStart_ = autoStart; }
  void SetFileName(const std::string& path) override;
  void Play() override;

  struct Start {
    std::string path;
    std::int64_t at;
  };
  std::vector<Start> starts;

 private:
  void Start();

  const std::map<std::string, std::int64_t>& sounds_;
  const FakeClock& clock_;
  bool autoStart_ = false;
  std::string file_;
  std::int64_t endsAt_ = -1;
};

class FakeSaverWindow : public SaverWindow {
 public:
  FakeSaverWindow(FakeClock& clock, Size screen, const std::map<std::string, Size>& pictures,
                  const std::map<std::string, std::int64_t>& sounds);

  struct WindowPos {
    int insertAfter, x, y, cx, cy;
    unsigned flags;
  };

  void SetWindowPos(int insertAfter, int x, int y, int cx, int cy, unsigned flags) override;
  int ScreenWidthTwips() const override { return screen_.width * kTwipsPerPixel; }
  int ScreenHeightTwips() const override { return screen_.height * kTwipsPerPixel; }
  void SetSizeTwips(int width, int height) override { widthTwips_ = width, heightTwips_ = height; }
  int WidthTwips() const override { return widthTwips_; }
  int HeightTwips() const override { return heightTwips_; }
  void Hide() override { shownWindow = false; }

  PictureBox& Picture1() override { return picture1; }
  Timer& Timer1() override { return timer1; }
  Timer& Timer2() override { return timer2; }
  MediaPlayer& MediaPlayer1() override { return mediaPlayer1; }

  FakePictureBox picture1;
  FakeTimer timer1;
  FakeTimer timer2;
  FakeMediaPlayer mediaPlayer1;
  std::vector<WindowPos> windowPos;
  bool shownWindow = false;

 private:
  Size screen_;
  int widthTwips_ = 0, heightTwips_ = 0;
};

}  // namespace vs::fake
