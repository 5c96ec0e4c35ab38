#include "platform/linux/qt/HostArguments.h"

namespace vs {
namespace {

bool IsOption(const std::string& argument, const char* name) {
  const std::string single = std::string("-") + name;
  return argument == single || argument == "-" + single;
}

}  // namespace

std::optional<std::uint32_t> ParseWindowId(const std::string& text) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string digits = hex ? text.substr(2) : text;
  if (digits.empty() || digits.size() > (hex ? 8u : 10u)) return std::nullopt;
  std::uint64_t value = 0;
  for (const char digit : digits) {
    int number = -1;
    if (digit >= '0' && digit <= '9') number = digit - '0';
    if (hex && digit >= 'a' && digit <= 'f') number = digit - 'a' + 10;
    if (hex && digit >= 'A' && digit <= 'F') number = digit - 'A' + 10;
    if (number < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + std::uint64_t(number);
  }
  if (value == 0 || value > UINT32_MAX) return std::nullopt;
  return std::uint32_t(value);
}

HostArguments ReadHostArguments(const std::vector<std::string>& arguments,
                                const char* xscreensaverWindow) {
  HostArguments read;
  bool root = false;
  std::optional<std::uint32_t> named;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (IsOption(arguments[i], "root")) {
      root = true;
      continue;
    }
    if (IsOption(arguments[i], "window-id") && i + 1 < arguments.size()) {
      if (const auto id = ParseWindowId(arguments[i + 1])) {
        named = id;
        ++i;
        continue;
      }
    }
    read.rest.push_back(arguments[i]);
  }
  if (!named && xscreensaverWindow != nullptr) named = ParseWindowId(xscreensaverWindow);
  if (named) {
    read.target = {SaverTarget::Kind::Window, *named};
  } else if (root) {
    read.target.kind = SaverTarget::Kind::Root;
  }
  return read;
}

}  // namespace vs
