#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "app/model/CaseWithRawValue.hpp"

namespace verdeo {

// How much water a plant wants. The raw value is the stored, exchanged and displayed text.
enum class WaterNeeds { high, moderate, low };

inline constexpr std::array<WaterNeeds, 3> kAllWaterNeeds = {WaterNeeds::high, WaterNeeds::moderate,
                                                             WaterNeeds::low};

constexpr std::string_view rawValue(WaterNeeds waterNeeds) {
  switch (waterNeeds) {
    case WaterNeeds::high:
      return "High";
    case WaterNeeds::moderate:
      return "Moderate";
    case WaterNeeds::low:
      return "Low";
  }
  return "High";
}

// Exact, case-sensitive match of a raw value; no case for any other text.
constexpr std::optional<WaterNeeds> waterNeedsFromRawValue(std::string_view raw) {
  return caseWithRawValue(kAllWaterNeeds, raw);
}

}  // namespace verdeo
