#include "platform/ui/Font.hpp"

namespace platform::ui {

const char* name(FontWeight weight) {
  switch (weight) {
    case FontWeight::regular:
      return "regular";
    case FontWeight::medium:
      return "medium";
    case FontWeight::semibold:
      return "semibold";
    case FontWeight::bold:
      return "bold";
  }
  return "regular";
}

const char* name(FontDesign design) {
  switch (design) {
    case FontDesign::normal:
      return "default";
    case FontDesign::rounded:
      return "rounded";
    case FontDesign::monospaced:
      return "monospaced";
    case FontDesign::serif:
      return "serif";
  }
  return "default";
}

const char* name(TextStyle style) {
  switch (style) {
    case TextStyle::largeTitle:
      return "largeTitle";
    case TextStyle::title:
      return "title";
    case TextStyle::title3:
      return "title3";
    case TextStyle::headline:
      return "headline";
    case TextStyle::subheadline:
      return "subheadline";
    case TextStyle::body:
      return "body";
    case TextStyle::caption:
      return "caption";
    case TextStyle::footnote:
      return "footnote";
  }
  return "body";
}

}  // namespace platform::ui
