#include "FakeSaverWindow.h"

#include "core/RuntimeFailure.h"

namespace vs::fake {

void FakePictureBox::SetVisible(bool visible) {
  visible_ = visible;
  if (visible_) shown.push_back({picture_, left_, top_, width_, height_, clock_.Now()});
}

void FakePictureBox::LoadPicture(const std::string& path) {
  loads.push_back(path);
  const auto picture = pictures_.find(path);
  if (failNextLoads > 0) {
    --failNextLoads;
    throw RuntimeFailure("Invalid picture: " + path);
  }
  if (picture == pictures_.end()) throw RuntimeFailure("File not found: " + path);
  picture_ = path;
  if (autoSize_) width_ = picture->second.width, height_ = picture->second.height;
}

std::int32_t FakeMediaPlayer::PlayState() {
  return endsAt_ >= 0 && clock_.Now() < endsAt_ ? kPlaying : 0;
}

void FakeMediaPlayer::SetFileName(const std::string& path) {
  if (sounds_.count(path) == 0) throw RuntimeFailure("Cannot play " + path);
  file_ = path;
  if (autoStart_) Start();
}

void FakeMediaPlayer::Play() {
  if (file_.empty()) throw RuntimeFailure("No file to play");
  Start();
}

void FakeMediaPlayer::Start() {
  // Play right after an auto-start restarts the same file; one start counts.
  if (!starts.empty() && starts.back().path == file_ && starts.back().at == clock_.Now()) return;
  starts.push_back({file_, clock_.Now()});
  endsAt_ = clock_.Now() + sounds_.at(file_);
}

FakeSaverWindow::FakeSaverWindow(FakeClock& clock, Size screen,
                                 const std::map<std::string, Size>& pictures,
                                 const std::map<std::string, std::int64_t>& sounds)
    : picture1(pictures, clock),
      timer1(clock, 2000),
      timer2(clock, 200),
      mediaPlayer1(sounds, clock),
      screen_(screen) {}

void FakeSaverWindow::SetWindowPos(int insertAfter, int x, int y, int cx, int cy, unsigned flags) {
  windowPos.push_back({insertAfter, x, y, cx, cy, flags});
  if (flags & kSwpShowWindow) shownWindow = true;
}

}  // namespace vs::fake
