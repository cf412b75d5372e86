#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "app/model/CaseWithRawValue.hpp"

namespace verdeo {

// Where a plant stands. The raw value is the stored, exchanged and displayed text.
enum class Location { office, livingRoom, bedroom, bathroom, kitchen, balcony, outdoor };

inline constexpr std::array<Location, 7> kAllLocations = {
    Location::office,  Location::livingRoom, Location::bedroom, Location::bathroom,
    Location::kitchen, Location::balcony,    Location::outdoor};

constexpr std::string_view rawValue(Location location) {
  switch (location) {
    case Location::office:
      return "Office";
    case Location::livingRoom:
      return "Living Room";
    case Location::bedroom:
      return "Bedroom";
    case Location::bathroom:
      return "Bathroom";
    case Location::kitchen:
      return "Kitchen";
    case Location::balcony:
      return "Balcony";
    case Location::outdoor:
      return "Outdoor";
  }
  return "Office";
}

// Exact, case-sensitive match of a raw value; no case for any other text.
constexpr std::optional<Location> locationFromRawValue(std::string_view raw) {
  return caseWithRawValue(kAllLocations, raw);
}

}  // namespace verdeo
