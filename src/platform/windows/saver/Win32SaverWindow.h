#pragma once

#include <memory>

#include "platform/SaverWindow.h"

namespace vs {

// The saver form on Win32: a black, borderless, top-most popup window on the
// primary monitor, black covers on the others, with its picture box and timers.
std::unique_ptr<SaverWindow> CreateWin32SaverWindow(SaverEvents& events,
                                                    std::unique_ptr<MediaPlayer> player);

}  // namespace vs
