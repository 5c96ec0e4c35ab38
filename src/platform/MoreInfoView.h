#pragma once

#include <string>

namespace vs {

// What the licence window shows; its layout and tab order belong to the window.
struct MoreInfoTexts {
  std::string caption;
  std::string text1;  // lines ended by "\r\n"
  std::string cmdOK;
};

// Events of the licence window, raised on the UI thread.
class MoreInfoEvents {
 public:
  virtual ~MoreInfoEvents() = default;

  // Also raised by a close command of the window system.
  virtual void cmdOK_Click() = 0;
};

// The licence window, created hidden; the form shows it once and then destroys it.
class MoreInfoView {
 public:
  virtual ~MoreInfoView() = default;

  // Shows the window modally in its design state (text scrolled to the top,
  // focus in the text), centred over the window that opened it, and returns
  // once Unload has closed it.
  virtual void ShowModal(const MoreInfoTexts& texts) = 0;
  // Closes the window, ending ShowModal; no event is raised after it.
  virtual void Unload() = 0;
};

}  // namespace vs
