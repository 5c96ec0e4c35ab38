#pragma once

#include <string>
#include <vector>

namespace vs::dialogs {

// A logical drive, by its root ("C:\").
struct Drive {
  std::string root;
  std::string label;  // empty when the volume has none or cannot be read

  // As Windows' drive lists show it: "c: [System]", or "c:".
  std::string DisplayName() const;
};

// The logical drives, in letter order. A drive without a medium is listed
// without a label; network drives are not asked for one, which can take long.
std::vector<Drive> ListDrives();

}  // namespace vs::dialogs
