#include "platform/windows/dialogs/Dialogs.h"

#include "core/RuntimeFailure.h"

namespace vs {

// Placeholders until the dialogs are written.
std::unique_ptr<ConfigurationView> CreateWin32ConfigurationView(ConfigurationEvents&) {
  throw RuntimeFailure("not yet");
}
std::unique_ptr<AboutView> CreateWin32AboutView(AboutEvents&) { throw RuntimeFailure("not yet"); }
std::unique_ptr<MoreInfoView> CreateWin32MoreInfoView(MoreInfoEvents&) {
  throw RuntimeFailure("not yet");
}

}  // namespace vs
