#include "platform/linux/browse/Pattern.h"

#include <fnmatch.h>

namespace vs::browse {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  if (Trimmed(pattern).empty()) return true;
  std::size_t start = 0;
  while (start <= pattern.size()) {
    const std::size_t end = std::min(pattern.find(';', start), pattern.size());
    const std::string part = Trimmed(pattern.substr(start, end - start));
    if (!part.empty() && fnmatch(part.c_str(), name.c_str(), FNM_CASEFOLD) == 0) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace vs::browse
