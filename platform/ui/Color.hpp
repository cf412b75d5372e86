#pragma once

#include <string>
#include <string_view>

namespace platform::ui {

// An sRGB colour with straight (not premultiplied) opacity, every channel in 0...1.
struct Color {
  double r = 0, g = 0, b = 0, a = 1;

  // A copy with its opacity multiplied by `factor`, as a colour "at 30 % opacity" is meant.
  Color opacity(double factor) const { return {r, g, b, a * factor}; }

  // The colour a six- or eight-digit literal such as "1FC887" names. The conversion is the
  // application's to define (it has rules for malformed text); until it installs one, a plain
  // RRGGBB / AARRGGBB reading stands in and anything else gives clear.
  static Color hex(std::string_view text);
  using HexConverter = Color (*)(std::string_view);
  static void setHexConverter(HexConverter converter);

  // The platform's named colours, in the shades of a dark appearance.
  static const Color white, black, gray, secondary, green, orange, red, blue, yellow, clear;

  // "rgba(31,200,135,1)": channels rounded to 0...255, opacity with up to three decimals.
  std::string css() const;
  void appendCss(std::string& out) const;

  friend bool operator==(const Color&, const Color&) = default;
};

}  // namespace platform::ui
