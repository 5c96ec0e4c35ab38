#pragma once

#include <array>

#include "platform/design/Design.h"

namespace vs::design::more_info {

// The caption and every text come with the texts shown.
inline constexpr Window kWindow{"", 7125, 3690};

inline constexpr Control kText1{"Text1", {120, 120, 6855, 2895}};
inline constexpr Control kCmdOK{"cmdOK", {2640, 3240, 1815, 375}};

inline constexpr std::array kTabOrder{&kText1, &kCmdOK};

}  // namespace vs::design::more_info
