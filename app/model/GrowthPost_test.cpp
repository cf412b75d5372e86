#include "app/model/GrowthPost.hpp"

#include <gtest/gtest.h>

namespace verdeo {
namespace {

TEST(GrowthPost, CreationTakesAFreshIdAndTheCurrentMoment) {
  platform::ManualClock clock(platform::Date::fromReferenceSeconds(786'000'000.5));
  const auto plantID = platform::Uuid::random();
  auto first = GrowthPost::create(plantID, std::nullopt, "", "Fern", clock);
  clock.advance(1.5);
  auto second =
      GrowthPost::create(plantID, platform::store::Bytes{1}, "  new leaf ", "Fern", clock);
  EXPECT_NE(first->id(), second->id());
  EXPECT_NE(first->id(), platform::Uuid());
  EXPECT_EQ(first->dateCreated().referenceSeconds(), 786'000'000.5);
  EXPECT_EQ(second->dateCreated().referenceSeconds(), 786'000'002.0);
  EXPECT_EQ(second->plantID(), plantID);
  EXPECT_EQ(second->caption(), "  new leaf ");
  EXPECT_EQ(second->plantName(), "Fern");
  EXPECT_FALSE(first->hasImageData());
  EXPECT_TRUE(second->hasImageData());
  EXPECT_EQ(
      second->imageURL().rfind("/store/GrowthPost/" + second->id().string() + "/imageData?v=", 0),
      0u);
}

}  // namespace
}  // namespace verdeo
