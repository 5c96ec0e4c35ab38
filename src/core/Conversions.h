#pragma once

#include <cstdint>
#include <string_view>

namespace vs {

// Text to number: decimal with optional sign and surrounding blanks, an
// optional fraction after "." (whatever the locale), rounded to the nearest
// integer with halves to the even neighbour. Text that is not such a number,
// or a value out of the type's range, is a RuntimeFailure.
std::int16_t ToInt16(std::string_view text);
std::int32_t ToInt32(std::string_view text);

// The same rounding for a computed value (centring offsets, positions).
std::int16_t RoundToInt16(double value);
std::int32_t RoundToInt32(double value);

}  // namespace vs
