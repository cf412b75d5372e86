#pragma once

#include <optional>
#include <string>

#include "platform/ui/View.hpp"

namespace platform::ui {

View Text(std::string text);
// A symbol image by name ("leaf.fill"), sized by the font and coloured by the foreground colour.
View Symbol(std::string name);

// An address of stored bytes that the display server answers (a store URL); trees never carry
// image bytes themselves.
struct URL {
  std::string path;
};
// An image asset of the application bundle, by name.
View Image(std::string assetName);
View Image(URL url);

View LinearGradient(Gradient gradient);
View LinearGradient(std::vector<Color> colors, UnitPoint start, UnitPoint end);

View ShapeView(const Shape& shape);
View Rectangle();
View RoundedRectangle(double radius, CornerStyle style = CornerStyle::circular);
View Circle();
View Ellipse();
View Capsule();

View Divider();

struct ProgressOptions {
  bool small = false;
  std::optional<double> value{};  // none: indeterminate
  std::string label{};            // shown under the indicator when not empty
};
View ProgressView(ProgressOptions options = {});

// The animated backdrop: the layer table is the application's; the display redraws it on every
// frame from its size and a time value running from `from` to `to` over `duration` seconds.
struct ParticleTime {
  double from = 0, to = 0, duration = 0;
};
View Particles(Json layers, std::optional<ParticleTime> time = std::nullopt);

}  // namespace platform::ui
