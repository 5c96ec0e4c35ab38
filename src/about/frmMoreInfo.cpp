#include "about/frmMoreInfo.h"

#include <string>

#include "about/LicenceText.h"

namespace vs {

frmMoreInfo::frmMoreInfo(Platform& platform) : platform_(platform) {}

void frmMoreInfo::Show() {
  view_ = platform_.CreateMoreInfoView(*this);
  view_->ShowModal({"More Information", std::string(LicenceText()), "OK"});
  // Destroyed here, not in cmdOK_Click: the window may still be inside its own event.
  view_.reset();
}

void frmMoreInfo::cmdOK_Click() {
  if (view_) view_->Unload();
}

}  // namespace vs
