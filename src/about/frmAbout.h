#pragma once

#include <memory>

#include "platform/AboutView.h"
#include "platform/Platform.h"

namespace vs {

// The About box: who made the product and where to find it; opens the licence.
class frmAbout : public AboutEvents {
 public:
  explicit frmAbout(Platform& platform);

  // Creates the window afresh, shows it modally and returns once it is closed.
  void Show();

  void cmdLicense_Click() override;
  void cmdOK_Click() override;

 private:
  Platform& platform_;
  std::unique_ptr<AboutView> view_;
};

}  // namespace vs
