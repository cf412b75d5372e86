#pragma once

#include <optional>
#include <string>

#include "app/expert/Difficulty.hpp"

namespace verdeo {

// What to look at when a species' leaves turn yellow, and how to save one in trouble.
struct Troubleshooting {
  std::string yellowLeaves;
  std::string emergencyTips;

  friend bool operator==(const Troubleshooting&, const Troubleshooting&) = default;
};

// The care texts of one species, as the guide's page shows them.
struct CareInstructions {
  std::string watering;
  std::string light;
  std::string temperature;
  std::string soil;
  std::string fertilizing;
  std::string tips;
  std::optional<Troubleshooting> troubleshooting;

  friend bool operator==(const CareInstructions&, const CareInstructions&) = default;
};

// One species of the expert guide, read from the catalogue file and never changed.
struct PlantExpertInfo {
  std::string id;
  std::string name;     // the common name
  std::string species;  // the botanical name
  std::string description;
  CareInstructions careInstructions;
  std::string imageName;

  Difficulty difficulty() const { return difficultyRating(careInstructions); }

  friend bool operator==(const PlantExpertInfo&, const PlantExpertInfo&) = default;
};

}  // namespace verdeo
