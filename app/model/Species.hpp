#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "app/model/CaseWithRawValue.hpp"

namespace verdeo {

// The plant species a user can pick. The raw value is the stored text (a plant keeps its species
// as this text, not as the case) and the name shown; the image name is the species' illustration
// asset, which does not always follow the case name.
enum class Species {
  verdeo,
  monstera,
  orchid,
  snake,
  basil,
  fern,
  spider,
  peacelily,
  zz,
  philodendron,
  dracaena,
  ficus,
  aloe,
  calathea,
  jade,
  fiddleleaf,
  ivy,
  pearls,
  pilea,
  africanviolet,
  airplant,
  croton,
  alocasia,
  hoya,
  rosemary,
  ginsengficus,
  avocado,
  parlorpalm,
  cyclamen,
  flamingolily,
  lemon,
  monkeymask,
  kentiapalm,
  weepingfig,
  rubberTree,
  prayerPlant,
  chineseEvergreen,
  birdOfParadise,
  umbrellaTree,
  bostonIvy,
  tradescantia,
  monsteraPeru,
  stringOfHearts,
  ponytailPalm,
  rexBegonia,
  nervePlant,
  staghornFern,
  parlorIvy,
  zebraPlant,
  goldfishPlant,
  castIronPlant,
  purpleShamrock,
  other
};

inline constexpr std::array<Species, 53> kAllSpecies = {Species::verdeo,
                                                        Species::monstera,
                                                        Species::orchid,
                                                        Species::snake,
                                                        Species::basil,
                                                        Species::fern,
                                                        Species::spider,
                                                        Species::peacelily,
                                                        Species::zz,
                                                        Species::philodendron,
                                                        Species::dracaena,
                                                        Species::ficus,
                                                        Species::aloe,
                                                        Species::calathea,
                                                        Species::jade,
                                                        Species::fiddleleaf,
                                                        Species::ivy,
                                                        Species::pearls,
                                                        Species::pilea,
                                                        Species::africanviolet,
                                                        Species::airplant,
                                                        Species::croton,
                                                        Species::alocasia,
                                                        Species::hoya,
                                                        Species::rosemary,
                                                        Species::ginsengficus,
                                                        Species::avocado,
                                                        Species::parlorpalm,
                                                        Species::cyclamen,
                                                        Species::flamingolily,
                                                        Species::lemon,
                                                        Species::monkeymask,
                                                        Species::kentiapalm,
                                                        Species::weepingfig,
                                                        Species::rubberTree,
                                                        Species::prayerPlant,
                                                        Species::chineseEvergreen,
                                                        Species::birdOfParadise,
                                                        Species::umbrellaTree,
                                                        Species::bostonIvy,
                                                        Species::tradescantia,
                                                        Species::monsteraPeru,
                                                        Species::stringOfHearts,
                                                        Species::ponytailPalm,
                                                        Species::rexBegonia,
                                                        Species::nervePlant,
                                                        Species::staghornFern,
                                                        Species::parlorIvy,
                                                        Species::zebraPlant,
                                                        Species::goldfishPlant,
                                                        Species::castIronPlant,
                                                        Species::purpleShamrock,
                                                        Species::other};

constexpr std::string_view rawValue(Species species) {
  switch (species) {
    case Species::verdeo:
      return "Verdeo";
    case Species::monstera:
      return "Monstera";
    case Species::orchid:
      return "Orchid";
    case Species::snake:
      return "Snake Plant";
    case Species::basil:
      return "Basil";
    case Species::fern:
      return "Fern";
    case Species::spider:
      return "Spider Plant";
    case Species::peacelily:
      return "Peace Lily";
    case Species::zz:
      return "ZZ Plant";
    case Species::philodendron:
      return "Philodendron";
    case Species::dracaena:
      return "Dracaena";
    case Species::ficus:
      return "Ficus";
    case Species::aloe:
      return "Aloe Vera";
    case Species::calathea:
      return "Calathea";
    case Species::jade:
      return "Jade Plant";
    case Species::fiddleleaf:
      return "Fiddle Leaf Fig";
    case Species::ivy:
      return "English Ivy";
    case Species::pearls:
      return "String of Pearls";
    case Species::pilea:
      return "Chinese Money Plant";
    case Species::africanviolet:
      return "African Violet";
    case Species::airplant:
      return "Air Plant";
    case Species::croton:
      return "Croton";
    case Species::alocasia:
      return "Alocasia Polly";
    case Species::hoya:
      return "Hoya";
    case Species::rosemary:
      return "Rosemary";
    case Species::ginsengficus:
      return "Ginseng Ficus";
    case Species::avocado:
      return "Avocado";
    case Species::parlorpalm:
      return "Parlor Palm";
    case Species::cyclamen:
      return "Cyclamen";
    case Species::flamingolily:
      return "Flamingo Lily";
    case Species::lemon:
      return "Meyer Lemon";
    case Species::monkeymask:
      return "Monkey Mask";
    case Species::kentiapalm:
      return "Kentia Palm";
    case Species::weepingfig:
      return "Weeping Fig";
    case Species::rubberTree:
      return "Rubber Tree";
    case Species::prayerPlant:
      return "Prayer Plant";
    case Species::chineseEvergreen:
      return "Chinese Evergreen";
    case Species::birdOfParadise:
      return "Bird of Paradise";
    case Species::umbrellaTree:
      return "Umbrella Tree";
    case Species::bostonIvy:
      return "Boston Ivy";
    case Species::tradescantia:
      return "Tradescantia";
    case Species::monsteraPeru:
      return "Monstera Peru";
    case Species::stringOfHearts:
      return "String of Hearts";
    case Species::ponytailPalm:
      return "Ponytail Palm";
    case Species::rexBegonia:
      return "Rex Begonia";
    case Species::nervePlant:
      return "Nerve Plant";
    case Species::staghornFern:
      return "Staghorn Fern";
    case Species::parlorIvy:
      return "Parlor Ivy";
    case Species::zebraPlant:
      return "Zebra Plant";
    case Species::goldfishPlant:
      return "Goldfish Plant";
    case Species::castIronPlant:
      return "Cast Iron Plant";
    case Species::purpleShamrock:
      return "Purple Shamrock";
    case Species::other:
      return "Other";
  }
  return "Verdeo";
}

constexpr std::string_view imageName(Species species) {
  switch (species) {
    case Species::verdeo:
      return "verdeo";
    case Species::monstera:
      return "monstera";
    case Species::orchid:
      return "orchid";
    case Species::snake:
      return "snake";
    case Species::basil:
      return "basil";
    case Species::fern:
      return "fern";
    case Species::spider:
      return "spider";
    case Species::peacelily:
      return "peacelily";
    case Species::zz:
      return "zz";
    case Species::philodendron:
      return "philodendron";
    case Species::dracaena:
      return "dracaena";
    case Species::ficus:
      return "ficus";
    case Species::aloe:
      return "aloe";
    case Species::calathea:
      return "calathea";
    case Species::jade:
      return "jade";
    case Species::fiddleleaf:
      return "fiddleleaf";
    case Species::ivy:
      return "ivy";
    case Species::pearls:
      return "pearls";
    case Species::pilea:
      return "pilea";
    case Species::africanviolet:
      return "africanviolet";
    case Species::airplant:
      return "airplant";
    case Species::croton:
      return "croton";
    case Species::alocasia:
      return "alocasia";
    case Species::hoya:
      return "hoya";
    case Species::rosemary:
      return "rosemary";
    case Species::ginsengficus:
      return "ginsengficus";
    case Species::avocado:
      return "avocado";
    case Species::parlorpalm:
      return "parlorpalm";
    case Species::cyclamen:
      return "cyclamen";
    case Species::flamingolily:
      return "flamingolily";
    case Species::lemon:
      return "lemon";
    case Species::monkeymask:
      return "monkeymask";
    case Species::kentiapalm:
      return "kentiapalm";
    case Species::weepingfig:
      return "weepingfig";
    case Species::rubberTree:
      return "ficusrubber";
    case Species::prayerPlant:
      return "prayerplant";
    case Species::chineseEvergreen:
      return "chineseevergreen";
    case Species::birdOfParadise:
      return "birdofparadise";
    case Species::umbrellaTree:
      return "umbrellatree";
    case Species::bostonIvy:
      return "bostonivy";
    case Species::tradescantia:
      return "tradescantia";
    case Species::monsteraPeru:
      return "monsteraperu";
    case Species::stringOfHearts:
      return "ceropegiawoodii";
    case Species::ponytailPalm:
      return "ponytailpalm";
    case Species::rexBegonia:
      return "rexbegonia";
    case Species::nervePlant:
      return "nerveplant";
    case Species::staghornFern:
      return "staghornfern";
    case Species::parlorIvy:
      return "parlorivy";
    case Species::zebraPlant:
      return "zebraplant";
    case Species::goldfishPlant:
      return "goldfishplant";
    case Species::castIronPlant:
      return "castironplant";
    case Species::purpleShamrock:
      return "purpleshamrock";
    case Species::other:
      return "verdeo";
  }
  return "verdeo";
}

// Exact, case-sensitive match of a raw value; no case for any other text.
constexpr std::optional<Species> speciesFromRawValue(std::string_view raw) {
  return caseWithRawValue(kAllSpecies, raw);
}

}  // namespace verdeo
