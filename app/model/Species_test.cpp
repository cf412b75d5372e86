#include "app/model/Species.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace verdeo {
namespace {

TEST(Species, FiftyThreeCasesWithDistinctRawValuesThatReadBack) {
  ASSERT_EQ(kAllSpecies.size(), 53u);
  EXPECT_EQ(kAllSpecies.front(), Species::verdeo);
  EXPECT_EQ(kAllSpecies.back(), Species::other);
  std::set<std::string_view> raws;
  for (auto species : kAllSpecies) {
    raws.insert(rawValue(species));
    EXPECT_EQ(speciesFromRawValue(rawValue(species)), species) << rawValue(species);
  }
  EXPECT_EQ(raws.size(), 53u);
}

TEST(Species, RawValuesAndImageNamesWhereTheyDoNotFollowTheCase) {
  struct Case {
    Species species;
    std::string_view raw, image;
  };
  const Case cases[] = {
      {Species::snake, "Snake Plant", "snake"},
      {Species::pearls, "String of Pearls", "pearls"},
      {Species::pilea, "Chinese Money Plant", "pilea"},
      {Species::lemon, "Meyer Lemon", "lemon"},
      {Species::rubberTree, "Rubber Tree", "ficusrubber"},
      {Species::birdOfParadise, "Bird of Paradise", "birdofparadise"},
      {Species::stringOfHearts, "String of Hearts", "ceropegiawoodii"},
      {Species::purpleShamrock, "Purple Shamrock", "purpleshamrock"},
      {Species::other, "Other", "verdeo"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(rawValue(c.species), c.raw);
    EXPECT_EQ(imageName(c.species), c.image);
  }
}

TEST(Species, OnlyExactRawValuesMatch) {
  for (std::string_view text : {"monstera", "Monstera ", "", "ZZ plant", "Verdeo\n"})
    EXPECT_FALSE(speciesFromRawValue(text)) << text;
}

}  // namespace
}  // namespace verdeo
