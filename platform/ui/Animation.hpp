#pragma once

namespace platform::ui {

// How a change moves on screen. The runtime only says which animation a change carries; the
// display interpolates.
struct Animation {
  enum class Curve { standard, easeInOut, linear, spring };
  Curve curve = Curve::standard;
  double duration = 0.35;
  double response = 0;  // spring only
  double damping = 0;   // spring only
  bool repeats = false;
  bool autoreverses = false;

  static Animation standard() { return {}; }
  static Animation easeInOut(double seconds) { return {Curve::easeInOut, seconds}; }
  static Animation linear(double seconds) { return {Curve::linear, seconds}; }
  static Animation spring(double response, double dampingFraction) {
    return {Curve::spring, response, response, dampingFraction};
  }
  Animation repeatForever(bool reverses) const {
    Animation a = *this;
    a.repeats = true;
    a.autoreverses = reverses;
    return a;
  }

  friend bool operator==(const Animation&, const Animation&) = default;
};

// How a view enters and leaves.
enum class Transition { opacity, slide };

const char* name(Animation::Curve curve);
const char* name(Transition transition);

}  // namespace platform::ui
