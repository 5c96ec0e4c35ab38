#include "formats/io/LegacyText.h"

#include <windows.h>

#include "core/Text.h"
#include "formats/io/windows/WideNames.h"

namespace vs {

std::string Utf8OfLegacyText(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
  return Utf8Name(wide);
}

}  // namespace vs
