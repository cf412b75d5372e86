#include "platform/ui/Alignment.hpp"

namespace platform::ui {

const char* name(HorizontalAlignment alignment) {
  switch (alignment) {
    case HorizontalAlignment::leading:
      return "leading";
    case HorizontalAlignment::center:
      return "center";
    case HorizontalAlignment::trailing:
      return "trailing";
  }
  return "center";
}

const char* name(VerticalAlignment alignment) {
  switch (alignment) {
    case VerticalAlignment::top:
      return "top";
    case VerticalAlignment::center:
      return "center";
    case VerticalAlignment::bottom:
      return "bottom";
  }
  return "center";
}

const char* name(Alignment alignment) {
  switch (alignment) {
    case Alignment::center:
      return "center";
    case Alignment::leading:
      return "leading";
    case Alignment::trailing:
      return "trailing";
    case Alignment::top:
      return "top";
    case Alignment::bottom:
      return "bottom";
    case Alignment::topLeading:
      return "topLeading";
    case Alignment::topTrailing:
      return "topTrailing";
    case Alignment::bottomLeading:
      return "bottomLeading";
    case Alignment::bottomTrailing:
      return "bottomTrailing";
  }
  return "center";
}

const char* name(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::leading:
      return "leading";
    case TextAlignment::center:
      return "center";
    case TextAlignment::trailing:
      return "trailing";
  }
  return "leading";
}

}  // namespace platform::ui
