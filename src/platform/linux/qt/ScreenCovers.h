#pragma once

#include <QObject>
#include <map>
#include <vector>

class QScreen;
class QWidget;

namespace vs {

class QtScreenCover;

// Once shown, keeps a black cover on every monitor but the form's own, as
// monitors come and go.
class ScreenCovers : public QObject {
 public:
  explicit ScreenCovers(QWidget& form);

  void Show();
  // The covers shown, in no particular order.
  std::vector<QWidget*> Windows() const;

 private:
  void Update();

  QWidget& form_;
  bool shown_ = false;
  // Children of the form: the form deletes those left at its end.
  std::map<QScreen*, QtScreenCover*> covers_;
};

}  // namespace vs
