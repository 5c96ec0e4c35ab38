#pragma once

#include <string_view>

namespace vs {

// The freeware end-user licence agreement shown by the licence window; every
// line, the last one included, is ended by "\r\n".
std::string_view LicenceText();

}  // namespace vs
