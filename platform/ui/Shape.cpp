#include "platform/ui/Shape.hpp"

namespace platform::ui {

const char* name(Shape::Kind kind) {
  switch (kind) {
    case Shape::Kind::rect:
      return "rect";
    case Shape::Kind::roundedRect:
      return "roundedRect";
    case Shape::Kind::circle:
      return "circle";
    case Shape::Kind::ellipse:
      return "ellipse";
    case Shape::Kind::capsule:
      return "capsule";
    case Shape::Kind::corners:
      return "corners";
  }
  return "rect";
}

const char* name(Corner corner) {
  switch (corner) {
    case Corner::topLeft:
      return "topLeft";
    case Corner::topRight:
      return "topRight";
    case Corner::bottomLeft:
      return "bottomLeft";
    case Corner::bottomRight:
      return "bottomRight";
  }
  return "topLeft";
}

}  // namespace platform::ui
