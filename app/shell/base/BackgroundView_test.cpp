#include <gtest/gtest.h>

#include <cmath>

#include "app/shell/base/BackgroundView.hpp"
#include "platform/ui/TestHarness.hpp"

namespace verdeo {
namespace {

double midpoint(double min, double max) {
  return (min + max) / 2;
}

TEST(BackgroundView, ParticleCountsFollowTheArea) {
  struct Case {
    double w, h;
    std::size_t count;
  };
  for (const auto& c : {Case{0, 844, 0}, Case{390, 0, 0}, Case{30, 20, 1}, Case{29, 20, 0},
                        Case{390, 844, 548 + 219}})
    EXPECT_EQ(BackgroundView::particles(c.w, c.h, 0, midpoint).size(), c.count)
        << c.w << " x " << c.h;
}

TEST(BackgroundView, ParticlesFollowTheLayerFormulas) {
  std::vector<std::pair<double, double>> draws;
  auto uniform = [&](double min, double max) {
    draws.emplace_back(min, max);
    return min;
  };
  // 40 × 40: two small particles (⌊1600 ÷ 600⌋) and one large one (⌊1600 ÷ 1500⌋).
  auto particles = BackgroundView::particles(40, 40, 2, uniform);
  ASSERT_EQ(particles.size(), 3u);
  // Draws come in pairs, base size then base opacity, small layer first.
  EXPECT_EQ(draws,
            (std::vector<std::pair<double, double>>{
                {0.4, 1.0}, {0.15, 0.35}, {0.4, 1.0}, {0.15, 0.35}, {1.2, 2.0}, {0.1, 0.25}}));
  // Small particle 1 at t = 2: a = 0.1.
  const double a = 0.1, t = 2;
  const auto& small = particles[1];
  EXPECT_DOUBLE_EQ(small.x,
                   20 + std::sin(a * 12.9898 + t * 0.1) * 20 + std::sin(a * 3 + t * 1.5) * 80);
  EXPECT_DOUBLE_EQ(small.y,
                   20 + std::cos(a * 78.233 + t * 0.15) * 20 + std::cos(a * 2.5 + t * 1.2) * 60);
  EXPECT_DOUBLE_EQ(small.size, 0.4 * (1 + 0.4 * std::sin(a * 4 + t * 1.2)));
  EXPECT_DOUBLE_EQ(small.opacity, 0.15 * (1 + 0.25 * std::sin(a * 2 + t * 0.9)));
  // The large layer counts from 1000: a = 100.
  const double b = 100;
  const auto& large = particles[2];
  EXPECT_DOUBLE_EQ(large.x, 20 + std::sin(b * 15.1234 + t * 0.08) * 20 + std::sin(b * 2 + t) * 100);
  EXPECT_DOUBLE_EQ(large.y,
                   20 + std::cos(b * 67.891 + t * 0.12) * 20 + std::cos(b * 1.8 + t * 0.8) * 80);
  EXPECT_DOUBLE_EQ(large.size, 1.2 * (1 + 0.5 * std::sin(b * 3 + t * 0.8)));
  EXPECT_DOUBLE_EQ(large.opacity, 0.1 * (1 + 0.3 * std::sin(b * 1.5 + t * 0.7)));
}

TEST(BackgroundView, StartsItsSixSecondRepeatingClockWhenItAppears) {
  platform::ui::TestHarness h;
  BackgroundView backdrop(h.environment());
  h.show([&] { return backdrop.body(); });
  EXPECT_EQ(backdrop.animationTime, 6);
  EXPECT_EQ(backdrop.animationOffset, 0);
  auto particles = h.find(platform::ui::kind("particles"));
  ASSERT_TRUE(particles);
  EXPECT_EQ(particles.prop("animateTime"),
            (platform::Json{{"from", 0}, {"to", 6}, {"duration", 6}}));
  EXPECT_EQ(particles.prop("layers"), BackgroundView::layerTable());
  EXPECT_EQ(particles.prop("layers")[1]["indexOffset"], 1000);
}

}  // namespace
}  // namespace verdeo
