#include "config/SecondsText.h"

#include <array>
#include <charconv>

namespace vs {

std::string SecondsText(std::int32_t milliseconds) {
  // Fixed notation: the shortest general form would write 1e+06.
  std::array<char, 64> buffer{};
  const double seconds = milliseconds / 1000.0;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), seconds,
                                    std::chars_format::fixed);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace vs
