#include "app/shell/base/BackgroundView.hpp"

#include <cmath>

#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

const std::array<BackgroundView::Layer, 2> BackgroundView::kLayers = {{
    {.areaPerParticle = 600,
     .indexOffset = 0,
     .x1 = {12.9898, 0.1},
     .y1 = {78.233, 0.15},
     .x2 = {3, 1.5},
     .y2 = {2.5, 1.2},
     .x2Scale = 80,
     .y2Scale = 60,
     .size = {0.4, 1.0},
     .pulse = {4, 1.2},
     .pulseAmount = 0.4,
     .opacity = {0.15, 0.35},
     .twinkle = {2, 0.9},
     .twinkleAmount = 0.25},
    {.areaPerParticle = 1500,
     .indexOffset = 1000,
     .x1 = {15.1234, 0.08},
     .y1 = {67.891, 0.12},
     .x2 = {2, 1},
     .y2 = {1.8, 0.8},
     .x2Scale = 100,
     .y2Scale = 80,
     .size = {1.2, 2.0},
     .pulse = {3, 0.8},
     .pulseAmount = 0.5,
     .opacity = {0.1, 0.25},
     .twinkle = {1.5, 0.7},
     .twinkleAmount = 0.3},
}};

std::vector<BackgroundView::Particle> BackgroundView::particles(
    double w, double h, double t, const std::function<double(double, double)>& uniform) {
  std::vector<Particle> out;
  if (!(w > 0) || !(h > 0)) return out;
  for (const Layer& layer : kLayers) {
    const long count = static_cast<long>(std::floor(w * h / layer.areaPerParticle));
    for (long i = 0; i < count; ++i) {
      const double a = static_cast<double>(i + layer.indexOffset) * 0.1;
      const double x1 = std::sin(a * layer.x1.a + t * layer.x1.t);
      const double y1 = std::cos(a * layer.y1.a + t * layer.y1.t);
      const double x2 = std::sin(a * layer.x2.a + t * layer.x2.t);
      const double y2 = std::cos(a * layer.y2.a + t * layer.y2.t);
      const double s0 = uniform(layer.size.min, layer.size.max);
      const double o0 = uniform(layer.opacity.min, layer.opacity.max);
      const double p = std::sin(a * layer.pulse.a + t * layer.pulse.t);
      const double q = std::sin(a * layer.twinkle.a + t * layer.twinkle.t);
      out.push_back({w / 2 + x1 * w * 0.5 + x2 * layer.x2Scale,
                     h / 2 + y1 * h * 0.5 + y2 * layer.y2Scale, s0 * (1 + layer.pulseAmount * p),
                     o0 * (1 + layer.twinkleAmount * q)});
    }
  }
  return out;
}

const platform::Json& BackgroundView::layerTable() {
  static const platform::Json table = [] {
    auto wave = [](Wave w) { return platform::Json{{"a", w.a}, {"t", w.t}}; };
    auto range = [](Range r) { return platform::Json{{"min", r.min}, {"max", r.max}}; };
    platform::Json layers = platform::Json::array();
    for (const Layer& l : kLayers)
      layers.push_back({{"areaPerParticle", l.areaPerParticle},
                        {"indexOffset", l.indexOffset},
                        {"x1", wave(l.x1)},
                        {"y1", wave(l.y1)},
                        {"x2", wave(l.x2)},
                        {"y2", wave(l.y2)},
                        {"x2Scale", l.x2Scale},
                        {"y2Scale", l.y2Scale},
                        {"size", range(l.size)},
                        {"pulse", wave(l.pulse)},
                        {"pulseAmount", l.pulseAmount},
                        {"opacity", range(l.opacity)},
                        {"twinkle", wave(l.twinkle)},
                        {"twinkleAmount", l.twinkleAmount}});
    return layers;
  }();
  return table;
}

View BackgroundView::body() const {
  // Once on screen, t runs from 0 to 6 over six seconds and starts again, for ever.
  std::optional<ParticleTime> time;
  if (animationTime > 0) time = ParticleTime{0, animationTime, 6};
  return ZStack({
                    LinearGradient({colorFromHex(palette::forestGreen),
                                    colorFromHex(palette::nightBackground)},
                                   UnitPoint::topLeading(), UnitPoint::center()),
                    Particles(layerTable(), time),
                })
      .ignoresSafeArea()
      .onAppear(action(this, &BackgroundView::startAnimation));
}

void BackgroundView::startAnimation() {
  environment_->withAnimation(Animation::linear(6).repeatForever(false),
                              [this] { animationTime = 6; });
}

}  // namespace verdeo
