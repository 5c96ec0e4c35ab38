#pragma once

#include <string>

namespace vs {

// The directory of the running executable, from /proc/self/exe.
std::string ProgramDirectory();

}  // namespace vs
