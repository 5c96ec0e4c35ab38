#pragma once

#include "platform/windows/Win32.h"

namespace vs::dialogs {

// The font of the dialogs at `dpi`: the system's message font, which Windows
// uses for its own dialogs and message boxes, at 8 points at most, the size the
// layout was designed for. The caller deletes it.
HFONT CreateDialogFont(UINT dpi);

}  // namespace vs::dialogs
