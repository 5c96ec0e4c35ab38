#pragma once

#include <cstdint>
#include <string>

namespace vs {

// Milliseconds as seconds in the shortest decimal text, with "." as the
// decimal separator (the one the settings conversions read): 7500 -> "7.5".
std::string SecondsText(std::int32_t milliseconds);

}  // namespace vs
