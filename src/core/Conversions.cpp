#include "core/Conversions.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "core/RuntimeFailure.h"
#include "core/Text.h"

namespace vs {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Only [sign] digits [. digits] with at least one digit; from_chars alone
// would also take exponents, "inf" and "nan".
bool IsPlainDecimal(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  return digits > 0 && i == text.size();
}

double ParseDecimal(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  if (!IsPlainDecimal(trimmed)) {
    throw RuntimeFailure("Type mismatch: \"" + std::string(text) + "\" is not a number");
  }
  // from_chars rejects a leading "+".
  const std::string_view digits = trimmed.front() == '+' ? trimmed.substr(1) : trimmed;
  double value = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    throw RuntimeFailure("Overflow: \"" + std::string(text) + "\" is out of range");
  }
  return value;
}

template <typename Int>
Int RoundTo(double value, std::string_view shownAs) {
  // nearbyint follows the default rounding mode: to nearest, halves to even.
  const double rounded = std::nearbyint(value);
  if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
        rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
    throw RuntimeFailure("Overflow: " + std::string(shownAs) + " is out of range");
  }
  return static_cast<Int>(rounded);
}

}  // namespace

std::int16_t ToInt16(std::string_view text) {
  return RoundTo<std::int16_t>(ParseDecimal(text), "\"" + std::string(text) + "\"");
}

std::int32_t ToInt32(std::string_view text) {
  return RoundTo<std::int32_t>(ParseDecimal(text), "\"" + std::string(text) + "\"");
}

std::int16_t RoundToInt16(double value) {
  return RoundTo<std::int16_t>(value, std::to_string(value));
}

std::int32_t RoundToInt32(double value) {
  return RoundTo<std::int32_t>(value, std::to_string(value));
}

}  // namespace vs
