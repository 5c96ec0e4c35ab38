#pragma once

#include <string>

namespace vs {

// One idle launcher per user and display: a lock on a file in the user's
// runtime folder, which the system drops when the process ends however it
// ends. Empty when taken; else the one line to print.
std::string LockLauncher();

}  // namespace vs
