#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace vs {

// Where an output lies in the compositor's layout, in logical pixels, and how
// many device pixels one logical pixel of its surface holds.
struct OutputPlace {
  int x = 0, y = 0;
  double ratioX = 1, ratioY = 1;
};

// The output the form covers, of `origins` (logical positions in the order
// the compositor announced the outputs): the one at the layout's origin, else
// the first. Nothing when there is no output.
std::optional<std::size_t> ChooseFormOutput(const std::vector<std::pair<int, int>>& origins);

// A pointer position of (x, y) logical pixels on the surface over `over`, in
// the device pixels of the form over `form`: input over a cover reaches the
// form as if the form stretched that far.
std::pair<float, float> FormPosition(const OutputPlace& form, const OutputPlace& over, double x,
                                     double y);

}  // namespace vs
