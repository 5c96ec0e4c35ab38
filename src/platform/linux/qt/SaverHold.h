#pragma once

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <vector>

class QWidget;

namespace vs {

// While the saver runs on X, as X screen savers do: holds the keyboard and the
// pointer for the form, so input reaches it whoever has the focus, and keeps
// the form and its covers above every other window, re-raising them whenever
// another top-level window is mapped or restacked (panels, windows mapped or
// activated later). X drops both grabs when the program ends.
class SaverHold : public QAbstractNativeEventFilter {
 public:
  // `covers` lists the form's covers; the form stays above them.
  SaverHold(QWidget& form, std::function<std::vector<QWidget*>()> covers);
  ~SaverHold() override;
  SaverHold(const SaverHold&) = delete;
  SaverHold& operator=(const SaverHold&) = delete;

  // Does nothing off X.
  void Start();

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

 private:
  void TryGrabs();
  void WatchStacking();
  void KeepOnTop();

  QWidget& form_;
  std::function<std::vector<QWidget*>()> covers_;
  QTimer grabRetry_;
  QElapsedTimer grabbing_;
  // One stacking check for a burst of restacking events.
  QTimer onTop_;
  std::uint32_t root_ = 0;
  bool keyboard_ = false;
  bool pointer_ = false;
};

}  // namespace vs
