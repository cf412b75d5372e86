#include "app/shell/base/RoundedCorner.hpp"

#include <algorithm>
#include <cstdio>

namespace verdeo {

using platform::ui::Corner;

namespace {
std::string number(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", v);
  return buffer;
}
}  // namespace

RoundedCorner::RoundedCorner(double r, std::initializer_list<Corner> rounded) : radius(r) {
  for (Corner corner : rounded) corners |= unsigned(corner);
}

platform::ui::Shape RoundedCorner::shape() const {
  platform::ui::Shape shape = platform::ui::Shape::corners(radius, {});
  shape.cornerMask = static_cast<std::uint8_t>(corners);
  return shape;
}

std::string RoundedCorner::path(double w, double h) const {
  // A radius never exceeds half the shorter side, as with any rounded rectangle.
  const double r = std::clamp(radius, 0.0, std::min(w, h) / 2);
  auto cut = [&](Corner corner) { return rounds(corner) ? r : 0.0; };
  auto arcTo = [&](Corner corner, double x, double y) {
    if (!rounds(corner) || r <= 0) return std::string();
    return "A" + number(r) + " " + number(r) + " 0 0 1 " + number(x) + " " + number(y) + " ";
  };
  std::string d = "M" + number(cut(Corner::topLeft)) + " 0 ";
  d += "H" + number(w - cut(Corner::topRight)) + " " + arcTo(Corner::topRight, w, r);
  d += "V" + number(h - cut(Corner::bottomRight)) + " " + arcTo(Corner::bottomRight, w - r, h);
  d += "H" + number(cut(Corner::bottomLeft)) + " " + arcTo(Corner::bottomLeft, 0, h - r);
  d += "V" + number(cut(Corner::topLeft)) + " " + arcTo(Corner::topLeft, r, 0);
  return d + "Z";
}

}  // namespace verdeo
