#include "platform/ui/Gradient.hpp"

namespace platform::ui {

Gradient Gradient::linear(std::vector<Color> colors, UnitPoint start, UnitPoint end) {
  Gradient g{{}, start, end};
  const std::size_t n = colors.size();
  for (std::size_t i = 0; i < n; ++i)
    g.stops.push_back({colors[i], n > 1 ? double(i) / double(n - 1) : 0.0});
  return g;
}

}  // namespace platform::ui
