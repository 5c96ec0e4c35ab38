#pragma once

#include <memory>
#include <string>

#include "platform/AboutView.h"
#include "platform/ConfigurationView.h"
#include "platform/MoreInfoView.h"
#include "platform/windows/Win32.h"

namespace vs {

// The dialogs' windows built from Windows' own controls, created hidden. The
// configuration dialog is owned by and modal to `owner` when given.
std::unique_ptr<ConfigurationView> CreateWin32ConfigurationView(ConfigurationEvents& events,
                                                                HWND owner = nullptr);
std::unique_ptr<AboutView> CreateWin32AboutView(AboutEvents& events);
std::unique_ptr<MoreInfoView> CreateWin32MoreInfoView(MoreInfoEvents& events);

// The Screen Saver Settings window that asks for the dialog with "/c:HWND" in
// `arguments` (the number in decimal, as Windows passes it); none without a
// number that names a window.
HWND SettingsWindowOf(const std::string& arguments);

// Brings the session's configuration dialog, or the dialog open over it, to
// the front; nothing when none is open.
void BringConfigurationDialogToFront();

}  // namespace vs
