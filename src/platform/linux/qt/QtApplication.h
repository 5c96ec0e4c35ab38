#pragma once

#include <QObject>
#include <QTimer>
#include <string>

#include "platform/Application.h"
#include "platform/events/EventWait.h"

class QAbstractEventDispatcher;

namespace vs {

class QtApplication : public QObject, public Application, public EventWait {
 public:
  QtApplication(std::string commandLine, std::string programDirectory);

  std::string CommandLine() const override { return commandLine_; }
  std::string ProgramDirectory() const override { return programDirectory_; }
  std::string LogDirectory() const override { return logDirectory_; }
  void DoEvents() override;
  [[noreturn]] void End() override;
  int ShowCursor(bool show) override;
  void SetDefaultMousePointer() override;
  bool GetInputState() override;
  // A key or mouse button reached the program past the toolkit (the saver's
  // own Wayland surfaces): GetInputState counts it too.
  void InputArrived() { inputWaiting_ = true; }
  void DeliverOrWait(std::chrono::milliseconds limit) override;
  void WakeUp() override;

 protected:
  // Notes keyboard and mouse-button input anywhere in the program.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::string commandLine_;
  std::string programDirectory_;
  std::string logDirectory_;
  QAbstractEventDispatcher* dispatcher_;
  QTimer waitLimit_;
  int cursorCount_ = 0;
  bool cursorHidden_ = false;
  bool inputWaiting_ = false;
};

}  // namespace vs
