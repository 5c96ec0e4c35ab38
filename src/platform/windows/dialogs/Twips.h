#pragma once

#include "platform/design/Design.h"
#include "platform/windows/Win32.h"

namespace vs::dialogs {

using design::TwipRect;

inline int TwipsToPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

// Edges are scaled, not sizes, so that neighbours stay neighbours at any DPI.
inline RECT ToPixels(const TwipRect& rect, UINT dpi) {
  return {TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi),
          TwipsToPixels(rect.left + rect.width, dpi), TwipsToPixels(rect.top + rect.height, dpi)};
}

inline COLORREF ToColorRef(const design::Rgb& colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

}  // namespace vs::dialogs
