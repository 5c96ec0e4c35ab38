#pragma once

#include <QKeyEvent>
#include <functional>

namespace vs {

// Where a control of the saver form sends its key-down and key-press events.
struct KeyHandlers {
  std::function<void(int key, int modifiers)> keyDown;
  std::function<void(int character)> keyPress;

  void Deliver(const QKeyEvent& event) const {
    keyDown(event.key(), int(event.modifiers()));
    if (!event.text().isEmpty()) keyPress(event.text().at(0).unicode());
  }
};

}  // namespace vs
