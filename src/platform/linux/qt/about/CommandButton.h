#pragma once

#include <QPushButton>

#include "platform/design/Design.h"

namespace vs::about {

// A push button that is never the dialog's default button, yet is pressed by
// Enter as well as Space while it has the focus.
class CommandButton : public QPushButton {
 public:
  CommandButton(const design::Control& design, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vs::about
