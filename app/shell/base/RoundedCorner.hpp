#pragma once

#include <initializer_list>
#include <string>

#include "platform/ui/Shape.hpp"

namespace verdeo {

// A rectangle with only the chosen corners rounded (radius on both axes); the others stay square.
struct RoundedCorner {
  double radius = 0;
  unsigned corners = 0;  // a set of platform::ui::Corner bits

  RoundedCorner(double r, std::initializer_list<platform::ui::Corner> rounded);

  bool rounds(platform::ui::Corner corner) const { return corners & unsigned(corner); }
  // The shape for clipping and filling.
  platform::ui::Shape shape() const;
  // The outline of a width × height rectangle as SVG path data, clockwise from the top-left.
  std::string path(double width, double height) const;
};

}  // namespace verdeo
