#pragma once

namespace vs {

// Claims `role` for this process in the user's session: false when another
// process of the program holds it already. The claim lasts until the process
// ends.
bool ClaimSessionRole(const wchar_t* role);

}  // namespace vs
