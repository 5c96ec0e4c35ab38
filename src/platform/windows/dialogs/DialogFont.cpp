#include "platform/windows/dialogs/DialogFont.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace vs::dialogs {
namespace {

constexpr int kDesignPoints = 8;
// Below this, text fits but no longer reads well: leave it clipped instead.
constexpr int kSmallestPoints = 6;

struct Measure {
  HDC dc;
  bool fits = true;
};

std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

BOOL CALLBACK MeasureChild(HWND control, LPARAM data) {
  auto& measure = *reinterpret_cast<Measure*>(data);
  wchar_t kind[16] = {};
  GetClassNameW(control, kind, 16);
  const bool label = CompareStringOrdinal(kind, -1, WC_STATICW, -1, TRUE) == CSTR_EQUAL;
  const bool button = CompareStringOrdinal(kind, -1, WC_BUTTONW, -1, TRUE) == CSTR_EQUAL;
  const std::wstring text = TextOf(control);
  if ((!label && !button) || text.empty()) return TRUE;
  RECT room{};
  GetClientRect(control, &room);
  if (button) {
    // The frame and the focus rectangle's margin on each side.
    InflateRect(&room, -2 * GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
  }
  RECT needed = room;
  const UINT format = DT_CALCRECT | (label ? DT_WORDBREAK | DT_NOPREFIX : DT_SINGLELINE);
  DrawTextW(measure.dc, text.c_str(), -1, &needed, format);
  if (needed.right - needed.left > room.right - room.left ||
      needed.bottom - needed.top > room.bottom - room.top) {
    measure.fits = false;
  }
  return measure.fits ? TRUE : FALSE;
}

}  // namespace

HFONT CreateDialogFont(UINT dpi, const std::function<bool(HFONT)>& fits) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  LOGFONTW font{};
  // Without the metrics: the default face.
  if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
    font = metrics.lfMessageFont;
  }
  const int design = MulDiv(kDesignPoints, static_cast<int>(dpi), 72);
  const int smallest = MulDiv(kSmallestPoints, static_cast<int>(dpi), 72);
  int height =
      font.lfHeight == 0 ? design : std::min(static_cast<int>(std::abs(font.lfHeight)), design);
  font.lfWidth = 0;
  for (;; --height) {
    font.lfHeight = -height;
    const HFONT created = CreateFontIndirectW(&font);
    if (height <= smallest || fits(created)) return created;
    DeleteObject(created);
  }
}

bool CaptionsFit(HWND window, HFONT font) {
  Measure measure{GetDC(window)};
  const HGDIOBJ old = SelectObject(measure.dc, font);
  EnumChildWindows(window, &MeasureChild, reinterpret_cast<LPARAM>(&measure));
  SelectObject(measure.dc, old);
  ReleaseDC(window, measure.dc);
  return measure.fits;
}

}  // namespace vs::dialogs
