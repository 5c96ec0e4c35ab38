#pragma once

#include <array>
#include <cstddef>

#include "platform/design/Design.h"

namespace vs::design::about {

// The caption and every text come with the texts shown.
inline constexpr Window kWindow{"", 4680, 3195};

// The six labels of the array, top to bottom, centred.
inline constexpr std::array<Control, 6> kLabel1{{
    {"Label1_0", {120, 120, 4455, 255}, "", "", true},
    {"Label1_1", {120, 480, 4455, 255}, "", "", true},
    {"Label1_2", {120, 960, 4455, 255}, "", "", true},
    {"Label1_3", {120, 1320, 4455, 255}, "", "", true},
    {"Label1_4", {120, 1800, 4455, 255}, "", "", true},
    {"Label1_5", {120, 2160, 4455, 255}, "", "", true},
}};
inline constexpr std::array<std::size_t, 2> kDarkRedLabels{3, 5};

inline constexpr std::array<HorizontalLine, 3> kLines{{
    {"Line1", 120, 4440, 840, kDarkBlue},
    {"Line2", 120, 4440, 1680, kDarkBlue},
    {"Line3", 120, 4440, 2520, kDarkBlue},
}};

inline constexpr Control kCmdLicense{"cmdLicense", {480, 2640, 1695, 375}};
inline constexpr Control kCmdOK{"cmdOK", {2520, 2640, 1575, 375}};

inline constexpr std::array kTabOrder{&kCmdLicense, &kCmdOK};

}  // namespace vs::design::about
