#include "platform/windows/dialogs/DialogFont.h"

#include <cstdlib>

namespace vs::dialogs {
namespace {

constexpr int kDesignPoints = 8;

}  // namespace

HFONT CreateDialogFont(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  LOGFONTW font{};
  // Without the metrics: the default face at the design size.
  if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
    font = metrics.lfMessageFont;
  }
  const int design = -MulDiv(kDesignPoints, static_cast<int>(dpi), 72);
  if (font.lfHeight == 0 || std::abs(font.lfHeight) > std::abs(design)) font.lfHeight = design;
  font.lfWidth = 0;
  return CreateFontIndirectW(&font);
}

}  // namespace vs::dialogs
