#pragma once

#include <string>
#include <string_view>

namespace vs {

// Without blanks (spaces and tabs) at either end.
std::string_view TrimBlanks(std::string_view text);

// Only A-Z and a-z change: names in files and on the command line are
// compared byte for byte otherwise, whatever the locale.
std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Well-formed UTF-8: no stray or missing continuation byte, no overlong form,
// no surrogate, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

}  // namespace vs
