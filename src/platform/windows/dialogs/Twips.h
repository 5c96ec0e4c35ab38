#pragma once

#include "platform/windows/Win32.h"

namespace vs::dialogs {

// Design geometry is in twips: 1440 to the inch, 15 to the pixel at 96 DPI.
struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

inline int TwipsToPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

// Edges are scaled, not sizes, so that neighbours stay neighbours at any DPI.
inline RECT ToPixels(const TwipRect& rect, UINT dpi) {
  return {TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi),
          TwipsToPixels(rect.left + rect.width, dpi), TwipsToPixels(rect.top + rect.height, dpi)};
}

}  // namespace vs::dialogs
