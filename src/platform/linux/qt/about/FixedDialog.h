#pragma once

#include <QDialog>
#include <functional>

namespace vs::about {

// A fixed-size modal window without control box, default or cancel button.
// A close command of the window system calls onClose, as the window's own
// button would.
class FixedDialog : public QDialog {
 public:
  FixedDialog(int widthTwips, int heightTwips, std::function<void()> onClose);

  // Centres the window over the window that opened it (or the screen when
  // none) and runs it modally until Close.
  void ExecCentred(const QString& caption);
  void Close();

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  std::function<void()> onClose_;
};

}  // namespace vs::about
