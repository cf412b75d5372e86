#include <gtest/gtest.h>

#include "app/shell/base/RoundedCorner.hpp"

namespace verdeo {
namespace {

using platform::ui::Corner;

TEST(RoundedCorner, RoundsExactlyTheChosenCorners) {
  EXPECT_EQ(RoundedCorner(20, {Corner::topLeft, Corner::topRight}).path(300, 120),
            "M20 0 H280 A20 20 0 0 1 300 20 V120 H0 V20 A20 20 0 0 1 20 0 Z");
  EXPECT_EQ(RoundedCorner(20, {}).path(300, 120), "M0 0 H300 V120 H0 V0 Z");
  EXPECT_EQ(RoundedCorner(8, {Corner::bottomRight}).path(10, 10),
            "M0 0 H10 V5 A5 5 0 0 1 5 10 H0 V0 Z");
  auto shape = RoundedCorner(20, {Corner::topLeft, Corner::topRight}).shape();
  EXPECT_EQ(shape.kind, platform::ui::Shape::Kind::corners);
  EXPECT_EQ(shape.cornerMask, unsigned(Corner::topLeft) | unsigned(Corner::topRight));
}

}  // namespace
}  // namespace verdeo
