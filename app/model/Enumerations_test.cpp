#include <gtest/gtest.h>

#include <string_view>

#include "app/model/CareFrequency.hpp"
#include "app/model/LightNeeds.hpp"
#include "app/model/Location.hpp"
#include "app/model/Species.hpp"
#include "app/model/WaterNeeds.hpp"

namespace verdeo {
namespace {

// The raw values are the stored and exchanged form of every enumeration, so each is pinned here
// as literal text, in the order pickers list the cases.
template <class E, std::size_t N>
void expectRawValues(const std::array<E, N>& all,
                     std::initializer_list<std::pair<E, std::string_view>> expected) {
  ASSERT_EQ(all.size(), expected.size());
  std::size_t i = 0;
  for (const auto& [value, raw] : expected) {
    EXPECT_EQ(all[i++], value) << raw;
    EXPECT_EQ(rawValue(value), raw);
  }
}

TEST(Enumerations, RawValuesInPickerOrder) {
  expectRawValues(kAllCareFrequencies, {{CareFrequency::daily, "Daily"},
                                        {CareFrequency::weekly, "Weekly"},
                                        {CareFrequency::monthly, "Monthly"}});
  expectRawValues(kAllLightNeeds, {{LightNeeds::full, "Bright"},
                                   {LightNeeds::partial, "Medium"},
                                   {LightNeeds::low, "Low"}});
  expectRawValues(kAllWaterNeeds, {{WaterNeeds::high, "High"},
                                   {WaterNeeds::moderate, "Moderate"},
                                   {WaterNeeds::low, "Low"}});
  expectRawValues(kAllLocations, {{Location::office, "Office"},
                                  {Location::livingRoom, "Living Room"},
                                  {Location::bedroom, "Bedroom"},
                                  {Location::bathroom, "Bathroom"},
                                  {Location::kitchen, "Kitchen"},
                                  {Location::balcony, "Balcony"},
                                  {Location::outdoor, "Outdoor"}});
  EXPECT_EQ(nominalDays(CareFrequency::daily), 1);
  EXPECT_EQ(nominalDays(CareFrequency::weekly), 7);
  EXPECT_EQ(nominalDays(CareFrequency::monthly), 30);
}

TEST(Enumerations, EverySpeciesRawValueAndImageName) {
  struct Case {
    Species species;
    std::string_view raw, image;
  };
  const Case cases[] = {
      {Species::verdeo, "Verdeo", "verdeo"},
      {Species::monstera, "Monstera", "monstera"},
      {Species::orchid, "Orchid", "orchid"},
      {Species::snake, "Snake Plant", "snake"},
      {Species::basil, "Basil", "basil"},
      {Species::fern, "Fern", "fern"},
      {Species::spider, "Spider Plant", "spider"},
      {Species::peacelily, "Peace Lily", "peacelily"},
      {Species::zz, "ZZ Plant", "zz"},
      {Species::philodendron, "Philodendron", "philodendron"},
      {Species::dracaena, "Dracaena", "dracaena"},
      {Species::ficus, "Ficus", "ficus"},
      {Species::aloe, "Aloe Vera", "aloe"},
      {Species::calathea, "Calathea", "calathea"},
      {Species::jade, "Jade Plant", "jade"},
      {Species::fiddleleaf, "Fiddle Leaf Fig", "fiddleleaf"},
      {Species::ivy, "English Ivy", "ivy"},
      {Species::pearls, "String of Pearls", "pearls"},
      {Species::pilea, "Chinese Money Plant", "pilea"},
      {Species::africanviolet, "African Violet", "africanviolet"},
      {Species::airplant, "Air Plant", "airplant"},
      {Species::croton, "Croton", "croton"},
      {Species::alocasia, "Alocasia Polly", "alocasia"},
      {Species::hoya, "Hoya", "hoya"},
      {Species::rosemary, "Rosemary", "rosemary"},
      {Species::ginsengficus, "Ginseng Ficus", "ginsengficus"},
      {Species::avocado, "Avocado", "avocado"},
      {Species::parlorpalm, "Parlor Palm", "parlorpalm"},
      {Species::cyclamen, "Cyclamen", "cyclamen"},
      {Species::flamingolily, "Flamingo Lily", "flamingolily"},
      {Species::lemon, "Meyer Lemon", "lemon"},
      {Species::monkeymask, "Monkey Mask", "monkeymask"},
      {Species::kentiapalm, "Kentia Palm", "kentiapalm"},
      {Species::weepingfig, "Weeping Fig", "weepingfig"},
      {Species::rubberTree, "Rubber Tree", "ficusrubber"},
      {Species::prayerPlant, "Prayer Plant", "prayerplant"},
      {Species::chineseEvergreen, "Chinese Evergreen", "chineseevergreen"},
      {Species::birdOfParadise, "Bird of Paradise", "birdofparadise"},
      {Species::umbrellaTree, "Umbrella Tree", "umbrellatree"},
      {Species::bostonIvy, "Boston Ivy", "bostonivy"},
      {Species::tradescantia, "Tradescantia", "tradescantia"},
      {Species::monsteraPeru, "Monstera Peru", "monsteraperu"},
      {Species::stringOfHearts, "String of Hearts", "ceropegiawoodii"},
      {Species::ponytailPalm, "Ponytail Palm", "ponytailpalm"},
      {Species::rexBegonia, "Rex Begonia", "rexbegonia"},
      {Species::nervePlant, "Nerve Plant", "nerveplant"},
      {Species::staghornFern, "Staghorn Fern", "staghornfern"},
      {Species::parlorIvy, "Parlor Ivy", "parlorivy"},
      {Species::zebraPlant, "Zebra Plant", "zebraplant"},
      {Species::goldfishPlant, "Goldfish Plant", "goldfishplant"},
      {Species::castIronPlant, "Cast Iron Plant", "castironplant"},
      {Species::purpleShamrock, "Purple Shamrock", "purpleshamrock"},
      {Species::other, "Other", "verdeo"},
  };
  ASSERT_EQ(std::size(cases), kAllSpecies.size());
  for (std::size_t i = 0; i < kAllSpecies.size(); ++i) {
    EXPECT_EQ(kAllSpecies[i], cases[i].species) << cases[i].raw;
    EXPECT_EQ(rawValue(cases[i].species), cases[i].raw);
    EXPECT_EQ(imageName(cases[i].species), cases[i].image);
  }
}

}  // namespace
}  // namespace verdeo
