#include "about/frmAbout.h"

#include "about/Maker.h"
#include "about/frmMoreInfo.h"

namespace vs {

namespace {

AboutTexts DesignTexts() {
  return {"About VostramelSaver",
          {"Vostramel_Saver Version: " VS_VERSION, kAuthorCredit,
           "For updates or more information visited:", kMakerWebAddress,
           "Report bugs or comments:", kMakerEmail},
          "&License",
          "&Ok"};
}

}  // namespace

frmAbout::frmAbout(Platform& platform) : platform_(platform) {}

void frmAbout::Show() {
  view_ = platform_.CreateAboutView(*this);
  view_->ShowModal(DesignTexts());
  // Destroyed here, not in cmdOK_Click: the window may still be inside its own event.
  view_.reset();
}

void frmAbout::cmdLicense_Click() {
  frmMoreInfo moreInfo(platform_);
  moreInfo.Show();
}

void frmAbout::cmdOK_Click() {
  if (view_) view_->Unload();
}

}  // namespace vs
