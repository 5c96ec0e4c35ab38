#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;
class QWindow;

namespace vs {

// On Wayland nothing holds the keyboard for the saver: the compositor gives it
// to whichever window it activates. So that keys never go to a window hidden
// behind the saver, the saver asks for the focus once its form is on screen
// (through xdg_activation_v1, with the token of the process that started it
// when there is one) and ends as a closed window does when none of its windows
// has the focus a second after showing, or when the focus leaves them later.
class KeyboardFocusGuard : public QObject {
 public:
  // `covers` lists the form's covers, which count as the saver's own.
  KeyboardFocusGuard(QWidget& form, std::function<std::vector<QWidget*>()> covers,
                     std::function<void()> lost);

  // Once the form is shown; later calls do nothing.
  void Start();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Ours(const QWindow* window) const;
  void FocusChanged(QWindow* window);
  void End();

  QWidget& form_;
  std::function<std::vector<QWidget*>()> covers_;
  std::function<void()> lost_;
  QTimer patience_;
  bool started_ = false;
  bool asked_ = false;
  bool held_ = false;
  bool ended_ = false;
};

}  // namespace vs
