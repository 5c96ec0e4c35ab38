#pragma once

class QWidget;

namespace vs::config {

// Asks the window manager to leave the window out of the task bar. Call it
// before the window is first shown; does nothing off X11.
void KeepOutOfTaskbar(QWidget& window);

}  // namespace vs::config
