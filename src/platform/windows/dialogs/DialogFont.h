#pragma once

#include <functional>

#include "platform/windows/Win32.h"

namespace vs::dialogs {

// The font of the dialogs at `dpi`: the system's message font, which Windows
// uses for its own dialogs and message boxes (DEFAULT_GUI_FONT is the older MS
// Shell Dlg at the system DPI only), at the largest size of 8 points at most,
// the size the layout was designed for, at which `fits` says every caption
// fits; 6 points at the least. The caller deletes it.
HFONT CreateDialogFont(UINT dpi, const std::function<bool(HFONT)>& fits);

// Whether the text of each label and button among `window`'s children fits
// its control when drawn in `font`.
bool CaptionsFit(HWND window, HFONT font);

}  // namespace vs::dialogs
