#pragma once

#include <QWidget>

namespace vs {

// A plain black window over a monitor other than the saver form's. It belongs
// to the form: its keys and mouse input go to the form's handlers, mouse
// positions in the form's coordinates.
class QtScreenCover : public QWidget {
 public:
  QtScreenCover(QWidget& form, QScreen& screen);

 protected:
  bool event(QEvent* event) override;

 private:
  QWidget& form_;
};

}  // namespace vs
