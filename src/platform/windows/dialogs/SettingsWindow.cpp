#include <charconv>
#include <cstdint>

#include "core/Text.h"
#include "formats/io/windows/WideNames.h"
#include "platform/design/ConfigurationDesign.h"
#include "platform/windows/dialogs/Dialogs.h"
#include "platform/windows/dialogs/FixedWindow.h"

namespace vs {

HWND SettingsWindowOf(const std::string& arguments) {
  const std::string lower = ToLowerAscii(arguments);
  for (std::size_t at = lower.find("c:"); at != std::string::npos; at = lower.find("c:", at + 1)) {
    if (at == 0 || (lower[at - 1] != '/' && lower[at - 1] != '-')) continue;
    const char* first = lower.data() + at + 2;
    const char* last = lower.data() + lower.size();
    std::uintptr_t number = 0;
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end == first) return nullptr;
    const HWND window = reinterpret_cast<HWND>(number);
    return IsWindow(window) ? window : nullptr;
  }
  return nullptr;
}

void BringConfigurationDialogToFront() {
  const HWND dialog = FindWindowW(dialogs::kDialogWindowClass,
                                  WideName(design::configuration::kWindow.caption).c_str());
  if (dialog != nullptr) SetForegroundWindow(GetLastActivePopup(dialog));
}

}  // namespace vs
