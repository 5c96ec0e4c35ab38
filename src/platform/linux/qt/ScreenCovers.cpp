#include "platform/linux/qt/ScreenCovers.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/linux/qt/QtScreenCover.h"

namespace vs {

ScreenCovers::ScreenCovers(QWidget& form) : form_(form) {
  connect(qGuiApp, &QGuiApplication::screenAdded, this, &ScreenCovers::Update);
  connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &ScreenCovers::Update);
  connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this](QScreen* screen) {
    const auto cover = covers_.find(screen);
    if (cover == covers_.end()) return;
    delete cover->second;
    covers_.erase(cover);
  });
}

void ScreenCovers::Show() {
  shown_ = true;
  Update();
}

std::vector<QWidget*> ScreenCovers::Windows() const {
  std::vector<QWidget*> windows;
  for (const auto& [screen, cover] : covers_) windows.push_back(cover);
  return windows;
}

void ScreenCovers::Update() {
  if (!shown_) return;
  const QScreen* own = form_.screen();
  for (auto cover = covers_.begin(); cover != covers_.end();) {
    if (cover->first == own) {
      delete cover->second;
      cover = covers_.erase(cover);
    } else {
      ++cover;
    }
  }
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen == own || covers_.count(screen) != 0) continue;
    auto* cover = new QtScreenCover(form_, *screen);
    covers_.emplace(screen, cover);
    cover->show();
  }
}

}  // namespace vs
