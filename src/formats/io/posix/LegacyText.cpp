#include "formats/io/LegacyText.h"

namespace vs {

std::string Utf8OfLegacyText(std::string_view text) { return std::string(text); }

}  // namespace vs
