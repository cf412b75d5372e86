#pragma once

#include <cstdint>
#include <limits>

namespace platform::ui {

// An unbounded length, as in frame(maxWidth: infinity).
inline constexpr double infinity = std::numeric_limits<double>::infinity();

enum class HorizontalAlignment { leading, center, trailing };
enum class VerticalAlignment { top, center, bottom };
enum class Alignment {
  center,
  leading,
  trailing,
  top,
  bottom,
  topLeading,
  topTrailing,
  bottomLeading,
  bottomTrailing
};
enum class TextAlignment { leading, center, trailing };
enum class Axis { vertical, horizontal };

// A set of edges, combined with |: Edge::top | Edge::leading.
enum class Edge : std::uint8_t {
  top = 1,
  leading = 2,
  bottom = 4,
  trailing = 8,
  horizontal = leading | trailing,
  vertical = top | bottom,
  all = horizontal | vertical,
};
constexpr Edge operator|(Edge a, Edge b) {
  return Edge(std::uint8_t(a) | std::uint8_t(b));
}
constexpr bool contains(Edge set, Edge edge) {
  return (std::uint8_t(set) & std::uint8_t(edge)) != 0;
}

struct EdgeInsets {
  double top = 0, leading = 0, bottom = 0, trailing = 0;
};

const char* name(HorizontalAlignment alignment);
const char* name(VerticalAlignment alignment);
const char* name(Alignment alignment);
const char* name(TextAlignment alignment);

}  // namespace platform::ui
