#pragma once

#include <array>
#include <string>

namespace vs {

// What the About box shows; its layout, colours and tab order belong to the window.
struct AboutTexts {
  std::string caption;
  std::array<std::string, 6> label1;  // top to bottom
  std::string cmdLicense;
  std::string cmdOK;
};

// Events of the About box, raised on the UI thread.
class AboutEvents {
 public:
  virtual ~AboutEvents() = default;

  virtual void cmdLicense_Click() = 0;
  // Also raised by a close command of the window system.
  virtual void cmdOK_Click() = 0;
};

// The About box, created hidden; the form shows it once and then destroys it.
class AboutView {
 public:
  virtual ~AboutView() = default;

  // Shows the window modally in its design state, centred over the window that
  // opened it, and returns once Unload has closed it.
  virtual void ShowModal(const AboutTexts& texts) = 0;
  // Closes the window, ending ShowModal; no event is raised after it.
  virtual void Unload() = 0;
};

}  // namespace vs
