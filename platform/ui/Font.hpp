#pragma once

#include <optional>

namespace platform::ui {

enum class FontWeight { regular, medium, semibold, bold };
enum class FontDesign { normal, rounded, monospaced, serif };
enum class TextStyle { largeTitle, title, title3, headline, subheadline, body, caption, footnote };

// Either one of the platform's text styles or a system font of a point size, optionally with a
// weight (a text style given a weight keeps its size and takes the weight).
struct Font {
  std::optional<TextStyle> style;
  double size = 0;
  std::optional<FontWeight> fontWeight;
  FontDesign design = FontDesign::normal;

  static Font system(double size, FontWeight weight = FontWeight::regular,
                     FontDesign design = FontDesign::normal) {
    return {std::nullopt, size, weight, design};
  }
  static Font textStyle(TextStyle s) { return {s, 0, std::nullopt, FontDesign::normal}; }
  Font weight(FontWeight w) const {
    Font f = *this;
    f.fontWeight = w;
    return f;
  }
  Font bold() const { return weight(FontWeight::bold); }

  static const Font largeTitle, title, title3, headline, subheadline, body, caption, footnote;

  friend bool operator==(const Font&, const Font&) = default;
};

inline const Font Font::largeTitle = Font::textStyle(TextStyle::largeTitle);
inline const Font Font::title = Font::textStyle(TextStyle::title);
inline const Font Font::title3 = Font::textStyle(TextStyle::title3);
inline const Font Font::headline = Font::textStyle(TextStyle::headline);
inline const Font Font::subheadline = Font::textStyle(TextStyle::subheadline);
inline const Font Font::body = Font::textStyle(TextStyle::body);
inline const Font Font::caption = Font::textStyle(TextStyle::caption);
inline const Font Font::footnote = Font::textStyle(TextStyle::footnote);

const char* name(FontWeight weight);
const char* name(FontDesign design);
const char* name(TextStyle style);

}  // namespace platform::ui
