#include "main/SaverProgram.h"
#include "platform/windows/Win32.h"
#include "platform/windows/WindowsPlatform.h"
#include "platform/windows/app/ProgramArguments.h"
#include "platform/windows/app/Win32Application.h"
#include "platform/windows/files/KnownFolders.h"

// The host starts the saver with "/s", "/c", "/c:HWND" or "/p HWND"; the form's
// letter rule reads them as on every platform.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vs::WindowsPlatform platform(vs::ProgramArguments(), vs::ProgramDirectory());
  vs::SaverProgram program(platform);
  program.Load();
  platform.App().Run();
}
