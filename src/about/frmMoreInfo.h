#pragma once

#include <memory>

#include "platform/MoreInfoView.h"
#include "platform/Platform.h"

namespace vs {

// The licence window: shows the licence agreement.
class frmMoreInfo : public MoreInfoEvents {
 public:
  explicit frmMoreInfo(Platform& platform);

  // Creates the window afresh, shows it modally and returns once it is closed.
  void Show();

  void cmdOK_Click() override;

 private:
  Platform& platform_;
  std::unique_ptr<MoreInfoView> view_;
};

}  // namespace vs
