#pragma once

#include <string>
#include <string_view>

namespace vs {

// Text from a file that an older program may have written in the system's
// ANSI code page (a play list, a settings value), in UTF-8: valid UTF-8 is
// kept as it is; anything else is read in that code page on Windows and kept
// as it is elsewhere, where no such code page exists.
std::string Utf8OfLegacyText(std::string_view text);

}  // namespace vs
