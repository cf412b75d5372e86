#pragma once

#include <vector>

#include "platform/ui/Color.hpp"

namespace platform::ui {

// A point in unit coordinates of a box: (0, 0) is top-leading, (1, 1) bottom-trailing.
struct UnitPoint {
  double x = 0, y = 0;
  static constexpr UnitPoint topLeading() { return {0, 0}; }
  static constexpr UnitPoint top() { return {0.5, 0}; }
  static constexpr UnitPoint topTrailing() { return {1, 0}; }
  static constexpr UnitPoint leading() { return {0, 0.5}; }
  static constexpr UnitPoint center() { return {0.5, 0.5}; }
  static constexpr UnitPoint trailing() { return {1, 0.5}; }
  static constexpr UnitPoint bottomLeading() { return {0, 1}; }
  static constexpr UnitPoint bottom() { return {0.5, 1}; }
  static constexpr UnitPoint bottomTrailing() { return {1, 1}; }
  friend bool operator==(const UnitPoint&, const UnitPoint&) = default;
};

struct GradientStop {
  Color color;
  double location = 0;
  friend bool operator==(const GradientStop&, const GradientStop&) = default;
};

struct Gradient {
  std::vector<GradientStop> stops;
  UnitPoint start = UnitPoint::top();
  UnitPoint end = UnitPoint::bottom();

  // Colours spread evenly from start to end.
  static Gradient linear(std::vector<Color> colors, UnitPoint start, UnitPoint end);

  friend bool operator==(const Gradient&, const Gradient&) = default;
};

}  // namespace platform::ui
