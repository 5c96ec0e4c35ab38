#include "platform/linux/browse/Pattern.h"

#include <fnmatch.h>

#include "core/Text.h"

namespace vs::browse {

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  if (TrimBlanks(pattern).empty()) return true;
  std::size_t start = 0;
  while (start <= pattern.size()) {
    const std::size_t end = std::min(pattern.find(';', start), pattern.size());
    const std::string part(TrimBlanks(std::string_view(pattern).substr(start, end - start)));
    if (!part.empty() && fnmatch(part.c_str(), name.c_str(), FNM_CASEFOLD) == 0) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace vs::browse
