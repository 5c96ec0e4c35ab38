#pragma once

#include <string>

namespace vs {

// Names are UTF-8 inside the program and UTF-16 at the Windows API, so a name
// in any script reaches the file system unchanged.
std::wstring WideName(const std::string& utf8);
// The reverse; a lone surrogate becomes U+FFFD.
std::string Utf8Name(const std::wstring& wide);

// The errno value closest to a Windows error code, so that callers report a
// failure the same way on every platform.
int ErrnoOfWindowsError(unsigned long error);

}  // namespace vs
