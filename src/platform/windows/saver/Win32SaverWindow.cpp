#include "platform/windows/saver/Win32SaverWindow.h"

#include "core/RuntimeFailure.h"

namespace vs {

// Placeholder until the saver window is written.
std::unique_ptr<SaverWindow> CreateWin32SaverWindow(SaverEvents&, std::unique_ptr<MediaPlayer>) {
  throw RuntimeFailure("not yet");
}

}  // namespace vs
