#include "main/SaverProgram.h"
#include "platform/windows/Win32.h"
#include "platform/windows/WindowsPlatform.h"
#include "platform/windows/app/ProgramArguments.h"
#include "platform/windows/app/SessionRole.h"
#include "platform/windows/app/Win32Application.h"
#include "platform/windows/dialogs/Dialogs.h"
#include "platform/windows/files/KnownFolders.h"
#include "saver/StartMode.h"

namespace {

// One saver and one configuration dialog at a time in a session, settled
// before the log or the settings are touched: Windows starts a saver when the
// idle time passes also while one runs, and Settings opens a dialog per click.
bool IsTheOnlyOneOfItsMode(vs::StartMode mode) {
  switch (mode) {
    case vs::StartMode::kSaver:
      return vs::ClaimSessionRole(L"Saver");
    case vs::StartMode::kConfiguration:
      if (vs::ClaimSessionRole(L"Configuration")) return true;
      vs::BringConfigurationDialogToFront();
      return false;
    case vs::StartMode::kOther:
      break;
  }
  return true;
}

}  // namespace

// The host starts the saver with "/s", "/c", "/c:HWND" or "/p HWND"; the form's
// letter rule reads them as on every platform.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string arguments = vs::ProgramArguments();
  if (!IsTheOnlyOneOfItsMode(vs::ModeOf(arguments))) return 0;
  vs::WindowsPlatform platform(arguments, vs::ProgramDirectory());
  vs::SaverProgram program(platform);
  program.Load();
  platform.App().Run();
}
