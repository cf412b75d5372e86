#include "platform/ui/Animation.hpp"

namespace platform::ui {

const char* name(Animation::Curve curve) {
  switch (curve) {
    case Animation::Curve::standard:
      return "default";
    case Animation::Curve::easeInOut:
      return "easeInOut";
    case Animation::Curve::linear:
      return "linear";
    case Animation::Curve::spring:
      return "spring";
  }
  return "default";
}

const char* name(Transition transition) {
  return transition == Transition::slide ? "slide" : "opacity";
}

}  // namespace platform::ui
