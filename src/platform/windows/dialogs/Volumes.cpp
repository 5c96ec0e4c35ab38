#include "platform/windows/dialogs/Volumes.h"

#include <cwctype>

#include "formats/io/windows/WideNames.h"
#include "platform/windows/Win32.h"
#include "platform/windows/dialogs/QuietDriveErrors.h"

namespace vs::dialogs {

std::string Drive::DisplayName() const {
  std::string shown = root.substr(0, 2);
  if (!shown.empty()) shown[0] = static_cast<char>(std::towlower(static_cast<wint_t>(shown[0])));
  return label.empty() ? shown : shown + " [" + label + "]";
}

std::vector<Drive> ListDrives() {
  std::wstring roots(GetLogicalDriveStringsW(0, nullptr) + 1, L'\0');
  roots.resize(GetLogicalDriveStringsW(static_cast<DWORD>(roots.size()), roots.data()));
  std::vector<Drive> drives;
  const QuietDriveErrors quiet;
  for (std::size_t start = 0; start < roots.size();) {
    const std::wstring root = roots.c_str() + start;
    start += root.size() + 1;
    if (root.empty()) break;
    wchar_t label[MAX_PATH + 1] = {};
    if (GetDriveTypeW(root.c_str()) == DRIVE_REMOTE ||
        !GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr,
                               nullptr, 0)) {
      label[0] = L'\0';
    }
    drives.push_back(Drive{Utf8Name(root), Utf8Name(label)});
  }
  return drives;
}

}  // namespace vs::dialogs
