#pragma once

#include <cstdint>
#include <initializer_list>

namespace platform::ui {

enum class Corner : std::uint8_t { topLeft = 1, topRight = 2, bottomLeft = 4, bottomRight = 8 };

// Rounded corners drawn as a true circular arc, or with the smoother "continuous" curve.
enum class CornerStyle { circular, continuous };
inline constexpr CornerStyle continuous = CornerStyle::continuous;
inline constexpr CornerStyle circular = CornerStyle::circular;

// The outline used to fill, stroke or clip: a description the renderer turns into a path.
struct Shape {
  enum class Kind { rect, roundedRect, circle, ellipse, capsule, corners };
  Kind kind = Kind::rect;
  double radius = 0;
  std::uint8_t cornerMask = 0;  // Corner bits, for Kind::corners
  CornerStyle style = CornerStyle::circular;

  static Shape rect() { return {}; }
  static Shape roundedRect(double radius, CornerStyle style = CornerStyle::circular) {
    return {Kind::roundedRect, radius, 0, style};
  }
  static Shape circle() { return {Kind::circle}; }
  static Shape ellipse() { return {Kind::ellipse}; }
  static Shape capsule() { return {Kind::capsule}; }
  // A rectangle with only the chosen corners rounded; with none chosen it is the plain rectangle.
  static Shape corners(double radius, std::initializer_list<Corner> rounded) {
    Shape s{Kind::corners, radius};
    for (Corner c : rounded) s.cornerMask |= std::uint8_t(c);
    return s;
  }

  friend bool operator==(const Shape&, const Shape&) = default;
};

const char* name(Shape::Kind kind);
const char* name(Corner corner);

}  // namespace platform::ui
