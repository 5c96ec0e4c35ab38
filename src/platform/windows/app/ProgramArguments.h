#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vs {

// What follows the program's own path on `commandLine`. A quoted path ends at
// its closing quote; an unquoted one, which may hold blanks, is the shortest
// run up to a blank (or the end) that `namesProgram` accepts, or else the first
// word.
std::wstring_view ArgumentsAfterProgram(std::wstring_view commandLine,
                                        const std::function<bool(std::wstring_view)>& namesProgram);

// The arguments of the running program, without its own path (in whatever
// form the system gives it), joined by single blanks, in UTF-8.
std::string ProgramArguments();

}  // namespace vs
