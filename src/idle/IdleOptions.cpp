#include "idle/IdleOptions.h"

#include <cstddef>

namespace vs {

namespace {

// A whole number from 1 to limit, or 0.
std::int32_t WholeNumber(const std::string& text, std::int32_t limit) {
  if (text.empty() || text.size() > 5) return 0;
  std::int32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value <= limit ? value : 0;
}

}  // namespace

IdleOptions ReadIdleOptions(const std::vector<std::string>& arguments) {
  IdleOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    if (option == "--help" || option == "-h") {
      options.help = true;
      continue;
    }
    const bool minutes = option == "--minutes";
    if (!minutes && option != "--seconds") {
      options.error = "unknown option " + option + " (use --minutes N or --seconds N)";
      return options;
    }
    const std::int32_t limit = minutes ? 1440 : 86400;
    const std::int32_t value = i + 1 < arguments.size() ? WholeNumber(arguments[++i], limit) : 0;
    if (value == 0) {
      options.error = option + " needs a whole number from 1 to " + std::to_string(limit);
      return options;
    }
    options.idleMilliseconds = value * (minutes ? 60000 : 1000);
  }
  return options;
}

}  // namespace vs
