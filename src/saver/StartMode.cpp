#include "saver/StartMode.h"

#include "core/Text.h"

namespace vs {

StartMode ModeOf(const std::string& arguments) {
  const std::string lower = ToLowerAscii(arguments);
  if (lower.find('s') != std::string::npos) return StartMode::kSaver;
  if (lower.find('c') != std::string::npos) return StartMode::kConfiguration;
  return StartMode::kOther;
}

}  // namespace vs
