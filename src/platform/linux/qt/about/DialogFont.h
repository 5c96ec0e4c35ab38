#pragma once

#include <QWidget>

namespace vs::about {

// The dialogs are laid out for a classic 8-point dialog font; most desktop
// defaults are larger and wider. Gives `dialog` the default family at the
// largest size, 8 points at most, at which every label and button caption
// fits its design rectangle.
void FitDialogFont(QWidget& dialog);

}  // namespace vs::about
