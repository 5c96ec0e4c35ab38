#pragma once

#include <QAbstractNativeEventFilter>
#include <QSize>
#include <cstdint>
#include <functional>

class QWidget;
class QWindow;

namespace vs {

// Another program's window that the saver form draws into, a screen-saver
// host's: the form becomes its child and fills it. Input, stacking and the
// cursor stay the host's business.
class HostWindow : public QAbstractNativeEventFilter {
 public:
  // `resized` gets the window's new size in device pixels; `gone` runs when
  // the window is destroyed.
  HostWindow(std::uint32_t id, std::function<void(QSize)> resized, std::function<void()> gone);
  ~HostWindow() override;
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  // The root window of the X screen.
  static std::uint32_t Root();

  // In device pixels. Throws RuntimeFailure when there is no such window.
  QSize Pixels() const;
  // Makes `form` a child of the window, once.
  void Embed(QWidget& form);

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

 private:
  std::uint32_t id_;
  std::function<void(QSize)> resized_;
  std::function<void()> gone_;
  QWindow* window_ = nullptr;
};

}  // namespace vs
