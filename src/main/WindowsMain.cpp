#include "config/frm_Configuration.h"
#include "platform/events/Dispatch.h"
#include "platform/windows/Win32.h"
#include "platform/windows/WindowsPlatform.h"
#include "platform/windows/app/Win32Application.h"
#include "platform/windows/files/KnownFolders.h"
#include "saver/frmScreenSaver.h"
#include "settings/Logfile.h"
#include "settings/support.h"

// The host starts the saver with "/s", "/c", "/c:HWND" or "/p HWND"; the form's
// letter rule reads them as on every platform.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vs::WindowsPlatform platform(vs::ProgramArguments(), vs::ProgramDirectory());
  vs::Logfile log(platform.Files(), platform.App().LogDirectory());
  vs::Support support(platform.Profiles(), log, platform.App().ProgramDirectory());
  vs::frmScreenSaver form(platform, support, log, [&] {
    vs::frm_Configuration dialog(platform, support, log);
    dialog.Show();
  });
  vs::OnHandlerFailure([&form](const std::string& handler, const std::string& description) {
    form.HandlerFailed(handler, description);
  });

  vs::Dispatch("frmScreenSaver.Form_Load", [&form] { form.Form_Load(); });
  platform.App().Run();
}
