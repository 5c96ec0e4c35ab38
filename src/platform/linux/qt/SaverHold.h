#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;

namespace vs {

// While the saver runs, as X screen savers do: holds the keyboard and the
// pointer for the form, so input reaches it whoever has the focus, and keeps
// the form and its covers above every other window, panels and windows
// mapped later included. X drops both grabs when the program ends.
class SaverHold {
 public:
  // `windows` lists the form's covers; the form stays above them.
  SaverHold(QWidget& form, std::function<std::vector<QWidget*>()> covers);

  void Start();

 private:
  void TryGrabs();
  void KeepOnTop();

  QWidget& form_;
  std::function<std::vector<QWidget*>()> covers_;
  QTimer grabRetry_;
  QElapsedTimer grabbing_;
  QTimer onTop_;
  bool keyboard_ = false;
  bool pointer_ = false;
};

}  // namespace vs
