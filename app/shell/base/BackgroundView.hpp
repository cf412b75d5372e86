#pragma once

#include <array>
#include <functional>
#include <vector>

#include "platform/foundation/Json.hpp"
#include "platform/ui/Environment.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The animated backdrop: a gradient from "157A53" at the top-leading corner to "0A130A" at the
// centre, under two layers of white particles drifting with the time value t.
//
// The particle positions are recomputed from w, h and t on every frame. The display does that
// on each animation frame from the layer table this view hands it; particles() is the same
// computation here, for checking it.
class BackgroundView {
 public:
  // One layer of particles; each angle is sin/cos(a × coefficient + t × rate) with a = k × 0.1,
  // k = i + indexOffset for particle i.
  struct Wave {
    double a, t;
  };
  struct Range {
    double min, max;
  };
  struct Layer {
    double areaPerParticle;
    int indexOffset;
    Wave x1, y1, x2, y2;
    double x2Scale, y2Scale;
    Range size;
    Wave pulse;
    double pulseAmount;
    Range opacity;
    Wave twinkle;
    double twinkleAmount;
  };
  // Small layer first: it is drawn first.
  static const std::array<Layer, 2> kLayers;

  struct Particle {
    double x, y, size, opacity;
  };
  // `uniform(min, max)` draws one random number; it is called for the base size, then the base
  // opacity, of every particle in drawing order.
  static std::vector<Particle> particles(double w, double h, double t,
                                         const std::function<double(double, double)>& uniform);
  static const platform::Json& layerTable();

  explicit BackgroundView(const platform::ui::Environment& environment)
      : environment_(&environment) {}

  double animationOffset = 0;  // held as state; nothing reads it
  double animationTime = 0;    // t

  platform::ui::View body() const;

 private:
  void startAnimation();
  const platform::ui::Environment* environment_;
};

}  // namespace verdeo
