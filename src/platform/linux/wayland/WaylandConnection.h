#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;
struct wl_display;

namespace vs {

// The saver's own connection to the compositor, served by the toolkit's event
// loop: its events are read and dispatched when the socket has some, and the
// requests made meanwhile are sent before the loop goes to sleep.
class WaylandConnection : public QObject {
 public:
  // Null when no compositor answers on WAYLAND_DISPLAY.
  static std::unique_ptr<WaylandConnection> Open();
  ~WaylandConnection() override;

  wl_display* Display() const { return display_; }
  // Waits for the answers to every request sent so far and dispatches the
  // events that came before them. False once the connection is broken.
  bool Roundtrip();
  // Called once, from the event loop, when the compositor ends or drops the
  // connection, or has already done so.
  void OnLost(std::function<void()> lost);

 private:
  explicit WaylandConnection(wl_display* display);
  void ReadEvents();
  // What does not fit into the socket now goes once it takes more.
  void Flush();
  void Lost();

  wl_display* display_;
  QSocketNotifier* readable_;
  QSocketNotifier* writable_;
  std::function<void()> lost_;
  bool broken_ = false;
};

}  // namespace vs
