#pragma once

#include <string>

namespace vs::browse {

// Whether a file name matches a file-list pattern: shell wildcards, ignoring
// case (cameras write "IMG_0001.JPG"); several patterns may be separated by
// ";". An empty pattern matches every name.
bool MatchesPattern(const std::string& name, const std::string& pattern);

}  // namespace vs::browse
