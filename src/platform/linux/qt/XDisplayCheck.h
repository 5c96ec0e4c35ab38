#pragma once

#include <string>

namespace vs {

// Empty when Qt can start; otherwise one plain line saying why it cannot, as
// Qt itself would abort with a paragraph about platform plugins. A
// QT_QPA_PLATFORM other than xcb (offscreen tests) needs no display.
std::string MissingXDisplay();

}  // namespace vs
