#include "platform/linux/wayland/OutputLayout.h"

namespace vs {

std::optional<std::size_t> ChooseFormOutput(const std::vector<std::pair<int, int>>& origins) {
  if (origins.empty()) return std::nullopt;
  for (std::size_t i = 0; i < origins.size(); ++i) {
    if (origins[i] == std::pair(0, 0)) return i;
  }
  return 0;
}

std::pair<float, float> FormPosition(const OutputPlace& form, const OutputPlace& over, double x,
                                     double y) {
  return {static_cast<float>((over.x - form.x + x) * form.ratioX),
          static_cast<float>((over.y - form.y + y) * form.ratioY)};
}

}  // namespace vs
